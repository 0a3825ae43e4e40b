#include "gui/qt/widgets/Prompter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

namespace tolvane::gui {

namespace {

QMessageBox::Icon BoxIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::kInformation:
            return QMessageBox::Information;
        case PromptIcon::kWarning:
            return QMessageBox::Warning;
        case PromptIcon::kStop:
            return QMessageBox::Critical;
        case PromptIcon::kQuestion:
            return QMessageBox::Question;
        case PromptIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

class ScreenPrompter final : public Prompter {
  public:
    void Inform(QWidget* parent, const QString& caption, const QString& text,
                PromptIcon icon) override {
        QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text,
                  PromptIcon icon) override {
        QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, parent);
        return box.exec() == QMessageBox::Yes;
    }

    bool AskProceedOrCancel(QWidget* parent, const QString& caption, const QString& text,
                            const QString& proceed, const QString& cancel) override {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(proceed, QMessageBox::AcceptRole);
        QPushButton* no = box.addButton(cancel, QMessageBox::RejectRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    UnsavedChangesAnswer AskSaveDiscardCancel(QWidget* parent, const QString& caption,
                                              const QString& text,
                                              const std::array<QString, 3>& buttons) override {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
        QPushButton* save = box.addButton(buttons[0], QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(buttons[1], QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(buttons[2], QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save) {
            return UnsavedChangesAnswer::kSave;
        }
        return box.clickedButton() == discard ? UnsavedChangesAnswer::kDiscard
                                              : UnsavedChangesAnswer::kCancel;
    }

    // An item triggered without the pointer or the keys (through the accessibility
    // interface, which only triggers it) is taken too, and closes the menu.
    QAction* PopUp(QMenu& menu, const QPoint& screenPosition) override {
        QAction* triggered = nullptr;
        const QMetaObject::Connection taken =
            QObject::connect(&menu, &QMenu::triggered, &menu, [&triggered, &menu](QAction* item) {
                triggered = item;
                menu.close();
            });
        QAction* chosen = menu.exec(screenPosition);
        QObject::disconnect(taken);
        return chosen != nullptr ? chosen : triggered;
    }

    int RunModal(QDialog& dialog) override { return dialog.exec(); }

    // The desktop's own dialogs where it has them (QFileDialog picks them unless told not to).
    QString OpenFileName(QWidget* parent, const QString& start, const QString& filter) override {
        // A blank start (no file chosen yet) would be taken for a file named " ".
        const QString initial = start.trimmed().isEmpty() ? QString() : start;
        return QFileDialog::getOpenFileName(parent, {}, initial, filter);
    }

    QString SaveFileName(QWidget* parent, const QString& suggestion, const QString& filter,
                         const QString& defaultSuffix) override {
        QFileDialog dialog(parent, {}, suggestion, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(suggestion);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        return dialog.selectedFiles().constFirst();
    }

    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool OpenDocument(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

Prompter* installed = nullptr;

}  // namespace

Prompter& Prompts() {
    static ScreenPrompter screen;
    return installed != nullptr ? *installed : screen;
}

void SetPrompter(Prompter* prompter) {
    installed = prompter;
}

QString MessageCaption() {
    return QCoreApplication::applicationName();
}

}  // namespace tolvane::gui
