#include "tolvane/legend/LegendSheet.h"

#include <algorithm>
#include <climits>
#include <functional>

#include "tolvane/image/ButtonPlaces.h"
#include "tolvane/legend/CutMarks.h"
#include "tolvane/legend/ReadableText.h"
#include "tolvane/legend/SvgText.h"
#include "tolvane/legend/TextFit.h"

namespace tolvane {

namespace {

constexpr double kMargin = 10;
constexpr double kTitleSize = 4.5;
constexpr double kTitleBaseline = 15;
constexpr double kKeysTop = 24;
constexpr double kPanelPitch = 35;  // dialog units between neighbouring key columns
constexpr double kInsertPadding = 0.8;
constexpr double kNoteSize = 2.6;
constexpr double kTableSize = 3.0;
constexpr const char* kFontFamily =
    "DejaVu Sans, Liberation Sans, Arial, Noto Sans CJK SC, sans-serif";

using Rect = PageRect;

struct PageSize {
    double width;
    double height;
};

PageSize SizeOf(Paper paper) {
    return paper == Paper::kLetter ? PageSize{279.4, 215.9} : PageSize{297, 210};
}

// One page being written.
class SvgPage {
  public:
    explicit SvgPage(PageSize size) : size_(size) {}

    void Rectangle(const Rect& r, std::string_view style) {
        body_ += "<rect x=\"" + Millimetres(r.x) + "\" y=\"" + Millimetres(r.y) + "\" width=\"" +
                 Millimetres(r.width) + "\" height=\"" + Millimetres(r.height) + "\" " +
                 std::string(style) + "/>\n";
    }

    void Line(double x1, double y1, double x2, double y2) {
        body_ += "<line x1=\"" + Millimetres(x1) + "\" y1=\"" + Millimetres(y1) + "\" x2=\"" +
                 Millimetres(x2) + "\" y2=\"" + Millimetres(y2) +
                 "\" stroke=\"#000\" stroke-width=\"0.1\"/>\n";
    }
    void Line(const MarkLine& line) { Line(line.x1, line.y1, line.x2, line.y2); }

    void Text(double x, double y, double size, std::string_view anchor, std::string_view text) {
        body_ += "<text x=\"" + Millimetres(x) + "\" y=\"" + Millimetres(y) + "\" font-size=\"" +
                 Millimetres(size) + "\" text-anchor=\"" + std::string(anchor) + "\">" +
                 XmlText(text) + "</text>\n";
    }

    void Open(std::string_view element) { body_ += "<" + std::string(element) + ">\n"; }
    void Close(std::string_view element) { body_ += "</" + std::string(element) + ">\n"; }

    // Fitted lines, centred in a rectangle.
    void CentredLines(const Rect& box, const FittedText& fitted, double lineHeight) {
        const double block =
            static_cast<double>(fitted.lines.size()) * fitted.fontSize * lineHeight;
        double baseline = box.y + (box.height - block) / 2 + fitted.fontSize * 0.85;
        for (const std::string& line : fitted.lines) {
            Text(box.x + box.width / 2, baseline, fitted.fontSize, "middle", line);
            baseline += fitted.fontSize * lineHeight;
        }
    }

    std::string Finish() const {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
               Millimetres(size_.width) + "mm\" height=\"" + Millimetres(size_.height) +
               "mm\" viewBox=\"0 0 " + Millimetres(size_.width) + " " + Millimetres(size_.height) +
               "\" font-family=\"" + kFontFamily + "\">\n" + body_ + "</svg>\n";
    }

    PageSize Size() const { return size_; }

  private:
    PageSize size_;
    std::string body_;
};

// Where the keys go on the page: the shown buttons' panel places, scaled so that
// neighbouring columns lie one key pitch apart, centred across the page.
class KeyPlacement {
  public:
    KeyPlacement(const LegendOptions& options, PageSize page)
        : scale_(options.keyPitchMm / kPanelPitch) {
        int left = INT_MAX;
        int right = 0;
        int top = INT_MAX;
        for (int button = 1; button <= ButtonCount; ++button) {
            if (IsButtonShown(button)) {
                const ButtonPlace place = PlaceOfButton(button);
                left = std::min(left, place.x);
                right = std::max(right, place.x + place.width);
                top = std::min(top, place.y);
                bottom_ = std::max(bottom_, place.y + place.height);
            }
        }
        left_ = left;
        top_ = top;
        originX_ = (page.width - (right - left) * scale_) / 2;
    }

    Rect Of(int button) const {
        const ButtonPlace place = PlaceOfButton(button);
        return {originX_ + (place.x - left_) * scale_, kKeysTop + (place.y - top_) * scale_,
                place.width * scale_, place.height * scale_};
    }

    double Bottom() const { return kKeysTop + (bottom_ - top_) * scale_; }

  private:
    double scale_;
    int left_ = 0;
    int top_ = 0;
    int bottom_ = 0;
    double originX_ = 0;
};

std::string Label(const LegendOptions& options, TextId id) {
    return std::string(Text(id, options.language));
}

std::string TitleLine(const LegendOptions& options, std::string_view what) {
    std::string title = options.title.empty() ? std::string() : options.title + "  \xC2\xB7  ";
    title += what;
    if (!options.date.empty()) {
        title += "  \xC2\xB7  " + options.date;
    }
    return title;
}

// Notes are written below the keys and go on over further pages as needed.
struct Note {
    int number;
    std::string text;
};

class NoteWriter {
  public:
    NoteWriter(const LegendOptions& options, std::string pageName, std::string title)
        : options_(options), pageName_(std::move(pageName)), title_(std::move(title)) {}

    void Write(SvgPage& first, double top, const std::vector<Note>& notes,
               std::vector<LegendPage>& pages) {
        SvgPage* page = &first;
        std::vector<SvgPage> more;
        const PageSize size = first.Size();
        double y = top;
        page->Text(kMargin, y, kNoteSize, "start", Label(options_, TextId::kLegendNotes));
        y += kNoteSize * 1.6;
        for (const Note& note : notes) {
            const std::string line = std::to_string(note.number) + ". " + note.text;
            const FitLimits oneSize{kNoteSize, kNoteSize, 1, 1000, 1.3};
            const FittedText wrapped = FitText(line, size.width - 2 * kMargin, 1e9, oneSize);
            for (const std::string& part : wrapped.lines) {
                if (y > size.height - kMargin) {
                    more.emplace_back(size);
                    page = &more.back();
                    page->Text(kMargin, kTitleBaseline, kTitleSize, "start", title_);
                    y = kKeysTop;
                }
                page->Text(kMargin, y, kNoteSize, "start", part);
                y += kNoteSize * 1.3;
            }
        }
        for (std::size_t i = 0; i < more.size(); ++i) {
            pages.push_back({pageName_ + "-" + std::to_string(i + 2), more[i].Finish()});
        }
    }

  private:
    const LegendOptions& options_;
    std::string pageName_;
    std::string title_;
};

std::vector<int> ShownButtons() {
    std::vector<int> shown;
    for (int button = 1; button <= ButtonCount; ++button) {
        if (IsButtonShown(button)) {
            shown.push_back(button);
        }
    }
    return shown;
}

// The inserts of the shown keys with their cut marks, in panel order.
std::vector<KeyCut> KeyCuts(const KeyPlacement& placement) {
    std::vector<KeyCut> keys;
    for (const int button : ShownButtons()) {
        keys.push_back({button, placement.Of(button), placement.Of(button), {}});
    }
    return PlanCuts(keys);
}

LegendPage OverviewPage(const KeyboardImage& image, const LegendLabels& labels,
                        const LegendOptions& options, const std::vector<int>& layers) {
    const PageSize size = SizeOf(options.paper);
    SvgPage page(size);
    page.Text(kMargin, kTitleBaseline, kTitleSize, "start",
              TitleLine(options, Label(options, TextId::kLegendAllLayers)));
    const KeyPlacement placement(options, size);
    const FitLimits cellLimits{1.6, 0.8, 0.2, 2, 1.15};
    for (const int button : ShownButtons()) {
        const Rect key = placement.Of(button);
        page.Open("g id=\"button-" + std::to_string(button) + "\"");
        page.Rectangle(key, "fill=\"none\" stroke=\"#000\" stroke-width=\"0.15\"");
        const double cellWidth = key.width / 2;
        const double cellHeight = key.height / 3;
        for (int layer = 1; layer <= LayerCount; ++layer) {
            const Rect cell{key.x + ((layer - 1) % 2) * cellWidth,
                            key.y + ((layer - 1) / 2) * cellHeight, cellWidth, cellHeight};
            page.Rectangle(cell, "fill=\"none\" stroke=\"#bbb\" stroke-width=\"0.05\"");
            if (std::find(layers.begin(), layers.end(), layer) == layers.end()) {
                continue;
            }
            const FittedText fitted =
                FitText(LegendTextOf(image, labels, button, layer, options.useLabels),
                        cell.width - 0.4, cell.height - 0.3, cellLimits);
            page.CentredLines(cell, fitted, cellLimits.lineHeight);
        }
        page.Close("g");
    }
    return {"overview", page.Finish()};
}

// The table page: rows of cells, each cell wrapped to its column; more pages as needed.
class TableWriter {
  public:
    TableWriter(const LegendOptions& options, std::vector<LegendPage>& pages)
        : options_(options), pages_(pages), page_(SizeOf(options.paper)) {
        Title();
    }

    void Heading(std::string_view text) {
        Space(kTableSize * 3);
        y_ += kTableSize * 1.8;
        page_.Text(kMargin, y_, kTableSize * 1.2, "start", text);
        y_ += kTableSize * 0.8;
    }

    // widths in millimetres, one per cell.
    void Row(const std::vector<std::string>& cells, const std::vector<double>& widths) {
        std::vector<FittedText> fitted;
        std::size_t lines = 1;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const FitLimits oneSize{kTableSize, kTableSize, 1, 1000, 1.25};
            fitted.push_back(FitText(cells[i], widths[i] - 1.5, 1e9, oneSize));
            lines = std::max(lines, fitted.back().lines.size());
        }
        const double height = static_cast<double>(lines) * kTableSize * 1.25 + 1.0;
        Space(height);
        double x = kMargin;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            double baseline = y_ + kTableSize;
            for (const std::string& line : fitted[i].lines) {
                page_.Text(x, baseline, kTableSize, "start", line);
                baseline += kTableSize * 1.25;
            }
            x += widths[i];
        }
        y_ += height;
        page_.Line(kMargin, y_ - 0.5, page_.Size().width - kMargin, y_ - 0.5);
    }

    void Finish() { Flush(); }

  private:
    void Title() {
        page_.Text(kMargin, kTitleBaseline, kTitleSize, "start",
                   TitleLine(options_, Label(options_, TextId::kLegendOtherSettings)));
        y_ = kKeysTop - kTableSize * 2;
    }

    void Space(double needed) {
        if (y_ + needed > page_.Size().height - kMargin) {
            Flush();
            page_ = SvgPage(SizeOf(options_.paper));
            Title();
        }
    }

    void Flush() {
        ++count_;
        pages_.push_back(
            {count_ == 1 ? "table" : "table-" + std::to_string(count_), page_.Finish()});
    }

    const LegendOptions& options_;
    std::vector<LegendPage>& pages_;
    SvgPage page_;
    double y_ = 0;
    int count_ = 0;
};

std::string OnOff(const LegendOptions& options, bool on) {
    return Label(options, on ? TextId::kLegendYes : TextId::kLegendNo);
}

std::string CountryName(std::uint8_t code) {
    return code == 0 ? "CHN" : code == 1 ? "USA" : std::to_string(code);
}

void UnshownButtonRows(TableWriter& table, const KeyboardImage& image, const LegendLabels& labels,
                       const LegendOptions& options, double width) {
    table.Heading(Label(options, TextId::kLegendUnshownButtons));
    const std::vector<double> columns = {22, 18, width - 40};
    table.Row({Label(options, TextId::kLegendButton), Label(options, TextId::kLegendLayerColumn),
               Label(options, TextId::kLegendKeysColumn)},
              columns);
    bool any = false;
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount && !IsButtonShown(button); ++layer) {
            const std::string text = LegendTextOf(image, labels, button, layer, options.useLabels);
            if (!text.empty()) {
                table.Row({std::to_string(button), std::string(LayerName(layer)), text}, columns);
                any = true;
            }
        }
    }
    if (!any) {
        table.Row({Label(options, TextId::kLegendNone), "", ""}, columns);
    }
}

void TrackRows(TableWriter& table, const KeyboardImage& image, const LegendOptions& options) {
    table.Heading(Label(options, TextId::kLegendCardReader));
    const std::vector<double> columns = {22, 22, 40, 40, 22};
    table.Row({Label(options, TextId::kLegendTrack), Label(options, TextId::kLegendOn),
               Label(options, TextId::kLegendPrefix), Label(options, TextId::kLegendSuffix),
               Label(options, TextId::kLegendEnter)},
              columns);
    for (int track = 0; track < TrackCount; ++track) {
        const CardTrackSetting& setting = image.tracks[static_cast<std::size_t>(track)];
        table.Row({std::to_string(track + 1), OnOff(options, setting.enabled != 0),
                   TrackPartText(setting.prefixShift, setting.prefixKey),
                   TrackPartText(setting.suffixShift, setting.suffixKey),
                   OnOff(options, setting.enterAtEnd != 0)},
                  columns);
    }
}

void OptionRows(TableWriter& table, const KeyboardImage& image, const LegendOptions& options) {
    table.Heading(Label(options, TextId::kLegendOptions));
    const std::vector<double> columns = {60, 60};
    const KeyboardOptions& set = image.options;
    table.Row({Label(options, TextId::kLegendCountryCode), CountryName(set.countryCode)}, columns);
    table.Row({Label(options, TextId::kLegendKeyRepeat), OnOff(options, set.autoRepeat != 0)},
              columns);
    table.Row({Label(options, TextId::kLegendKeyClick), OnOff(options, set.keyClick != 0)},
              columns);
    table.Row({Label(options, TextId::kLegendClickScope),
               Label(options, set.keyClickScope == 1 ? TextId::kLegendProgrammedKeys
                                                     : TextId::kLegendAllKeys)},
              columns);
}

}  // namespace

std::string LegendTextOf(const KeyboardImage& image, const LegendLabels& labels, int button,
                         int layer, bool useLabels) {
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return {};
    }
    const std::string& label = labels.Of(button, layer);
    if (useLabels && !label.empty()) {
        return label;
    }
    return ReadableTextOf(image.buttons[button].Codes(layer));
}

bool LayerHasKeys(const KeyboardImage& image, const LegendLabels& labels, int layer,
                  bool useLabels) {
    const std::vector<int> shown = ShownButtons();
    return std::any_of(shown.begin(), shown.end(), [&](int button) {
        return !LegendTextOf(image, labels, button, layer, useLabels).empty();
    });
}

std::vector<int> LegendLayers(const KeyboardImage& image, const LegendLabels& labels,
                              const LegendOptions& options) {
    std::vector<int> layers;
    for (int layer = 1; layer <= LayerCount; ++layer) {
        const bool listed =
            !options.layers || std::find(options.layers->begin(), options.layers->end(), layer) !=
                                   options.layers->end();
        const bool skipEmpty = !options.layers || options.skipEmptyLayers;
        if (listed && (!skipEmpty || LayerHasKeys(image, labels, layer, options.useLabels))) {
            layers.push_back(layer);
        }
    }
    return layers;
}

std::vector<LegendPage> RenderLayerLegend(const KeyboardImage& image, const LegendLabels& labels,
                                          int layer, const LegendOptions& options) {
    if (!IsValidLayer(layer)) {
        return {};
    }
    const PageSize size = SizeOf(options.paper);
    SvgPage page(size);
    const std::string title = TitleLine(options, std::string(LayerName(layer)));
    page.Text(kMargin, kTitleBaseline, kTitleSize, "start", title);
    const KeyPlacement placement(options, size);
    std::vector<Note> notes;
    for (const KeyCut& cut : KeyCuts(placement)) {
        const int button = cut.button;
        const Rect& key = cut.key;
        const std::string text = LegendTextOf(image, labels, button, layer, options.useLabels);
        page.Open("g id=\"button-" + std::to_string(button) + "\"");
        page.Rectangle(cut.cut, "fill=\"none\" stroke=\"#999\" stroke-width=\"0.05\"");
        for (const MarkLine& mark : cut.marks) {
            page.Line(mark);
        }
        const FittedText fitted =
            FitText(text, key.width - 2 * kInsertPadding, key.height - 2 * kInsertPadding);
        page.CentredLines(key, fitted, FitLimits{}.lineHeight);
        if (fitted.truncated) {
            notes.push_back(
                {static_cast<int>(notes.size()) + 1, Label(options, TextId::kLegendButton) + " " +
                                                         std::to_string(button) + ": " + text});
            page.Text(key.x + key.width - 0.6, key.y + 2.0, 1.6, "end",
                      std::to_string(notes.size()));
        }
        page.Close("g");
    }
    std::vector<LegendPage> pages;
    pages.push_back({"layer" + std::to_string(layer), {}});
    if (!notes.empty()) {
        NoteWriter(options, pages.back().name, title)
            .Write(page, placement.Bottom() + 10, notes, pages);
    }
    pages.front().svg = page.Finish();
    return pages;
}

std::vector<LegendPage> RenderLegendSheets(const KeyboardImage& image, const LegendLabels& labels,
                                           const LegendOptions& options) {
    std::vector<LegendPage> pages;
    const std::vector<int> layers = LegendLayers(image, labels, options);
    for (const int layer : layers) {
        std::vector<LegendPage> layerPages = RenderLayerLegend(image, labels, layer, options);
        pages.insert(pages.end(), layerPages.begin(), layerPages.end());
    }
    pages.push_back(OverviewPage(image, labels, options, layers));
    TableWriter table(options, pages);
    const double width = SizeOf(options.paper).width - 2 * kMargin;
    UnshownButtonRows(table, image, labels, options, width);
    TrackRows(table, image, options);
    OptionRows(table, image, options);
    table.Finish();
    return pages;
}

}  // namespace tolvane
