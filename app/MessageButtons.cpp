#include "app/MessageButtons.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

void nameStandardButtons(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } names[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("MessageButtons", "OK")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("MessageButtons", "Cancel")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("MessageButtons", "&Yes")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("MessageButtons", "&No")},
        {QMessageBox::Save, QT_TRANSLATE_NOOP("MessageButtons", "Save")},
        {QMessageBox::Discard, QT_TRANSLATE_NOOP("MessageButtons", "Discard")},
    };
    for (const auto& [button, text] : names) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(QCoreApplication::translate("MessageButtons", text));
        }
    }
}
