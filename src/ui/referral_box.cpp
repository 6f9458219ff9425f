#include "ui/referral_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace lumo::ui {

namespace {
// The message box holds LF line breaks; the referral carries CR LF.
const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");
} // namespace

QString boxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        return line->text();
    }
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
        return lines->toPlainText().replace(kLf, kCrLf);
    }
    return {};
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(QString(text).replace(kCrLf, kLf));
    }
}

} // namespace lumo::ui
