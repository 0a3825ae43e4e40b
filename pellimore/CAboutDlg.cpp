#include "pellimore/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "pellimore/Artwork.h"
#include "pellimore/PellimoreIds.h"
#include "pellimore/PellimoreLayout.h"
#include "pellimore/PellimoreTexts.h"

namespace pellimore {

using tolvane::gui::NameControl;
using tolvane::gui::PlaceControl;

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(tolvane::gui::ObjectNameFor(ids::kAboutDialog));
    setWindowTitle(texts::kAboutCaption);
    setAccessibleName(texts::kAboutCaption);
    setFont(PellimoreFont());
    const tolvane::gui::DialogUnitConverter converter = tolvane::gui::ConverterFor(font());
    const tolvane::gui::PixelRect client = converter.ToPixels(kAboutClient);
    setFixedSize(client.width, client.height);

    auto* icon = new QLabel(this);
    const tolvane::gui::PixelRect iconPlace = converter.ToPixels(kAboutIconPlace);
    icon->setPixmap(ProgramIcon().pixmap(iconPlace.width, iconPlace.height));
    NameControl(*icon, ids::kProgramIcon, texts::kCaption);
    PlaceControl(*icon, converter, kAboutIconPlace);

    auto* version = new QLabel(texts::kVersion, this);
    NameControl(*version, ids::kStaticControl, version->text());
    PlaceControl(*version, converter, kAboutVersionPlace);

    auto* ok = new QPushButton(texts::kAboutOk, this);
    NameControl(*ok, ids::kAboutOkButton, ok->text());
    ok->setDefault(true);
    PlaceControl(*ok, converter, kAboutOkPlace);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace pellimore
