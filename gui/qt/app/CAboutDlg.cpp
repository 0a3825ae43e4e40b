// UTF-8 source: the title and the button carry Chinese text in both languages.
#include "gui/qt/app/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/kit/DialogUnits.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/widgets/Artwork.h"

namespace tolvane::gui {

namespace {

constexpr DialogRect kAboutSize{0, 0, 170, 62};
constexpr DialogRect kIconPlace{11, 17, 20, 20};
constexpr DialogRect kVersionPlace{40, 14, 119, 8};
constexpr DialogRect kDatePlace{40, 26, 119, 8};
constexpr DialogRect kOkPlace{113, 41, 50, 14};

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(ObjectNameFor(ids::kAboutDialog));
    setWindowTitle(QString::fromUtf8("关于 MZR-40"));
    setAccessibleName(windowTitle());
    setFont(DialogFont());
    const DialogUnitConverter converter = ConverterFor(font());
    const PixelRect size = converter.ToPixels(kAboutSize);
    setFixedSize(size.width, size.height);

    auto* icon = new QLabel(this);
    const PixelRect iconPlace = converter.ToPixels(kIconPlace);
    icon->setPixmap(ProgramIcon().pixmap(iconPlace.width, iconPlace.height));
    PlaceControl(*icon, converter, kIconPlace);
    icon->setAccessibleName("MZR-40");

    auto* version = new QLabel("Quandor V1.3", this);
    PlaceControl(*version, converter, kVersionPlace);
    auto* date = new QLabel("Last Updata 2013-12-19", this);
    PlaceControl(*date, converter, kDatePlace);

    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    NameControl(*ok, 1, ok->text());
    ok->setDefault(true);
    PlaceControl(*ok, converter, kOkPlace);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tolvane::gui
