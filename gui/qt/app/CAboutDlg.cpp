#include "gui/qt/app/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/kit/DialogUnits.h"
#include "gui/model/AboutLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/widgets/Artwork.h"

namespace tolvane::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(ObjectNameFor(ids::kAboutDialog));
    setWindowTitle(QString::fromUtf8(kAboutTitle));
    setAccessibleName(windowTitle());
    setFont(DialogFont());
    const DialogUnitConverter converter = ConverterFor(font());
    const PixelRect size = converter.ToPixels(kAboutSize);
    setFixedSize(size.width, size.height);

    auto* icon = new QLabel(this);
    const PixelRect iconPlace = converter.ToPixels(kAboutIconPlace);
    icon->setPixmap(ProgramIcon().pixmap(iconPlace.width, iconPlace.height));
    PlaceControl(*icon, converter, kAboutIconPlace);
    icon->setAccessibleName("MZR-40");

    auto* version = new QLabel(kAboutVersion, this);
    PlaceControl(*version, converter, kAboutVersionPlace);
    auto* date = new QLabel(kAboutDate, this);
    PlaceControl(*date, converter, kAboutDatePlace);

    auto* ok = new QPushButton(QString::fromUtf8(kAboutOk), this);
    NameControl(*ok, 1, ok->text());
    ok->setDefault(true);
    PlaceControl(*ok, converter, kAboutOkPlace);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tolvane::gui
