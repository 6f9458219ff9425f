#include "ui/frm_soul_urge.h"

#include "common/attempt.h"
#include "common/qt_text.h"
#include "platform/clipboard.h"
#include "ui/clickable_label.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/window_chrome.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <utility>

namespace lumo::ui {

using chrome::twipsRect;

namespace {
constexpr QSize kClientSize{chrome::px(6375), chrome::px(5220)};
} // namespace

frmSoulUrge::frmSoulUrge(modHelp::PageLauncher& pages, platform::Clipboard& clipboard)
    : m_clipboard(clipboard)
{
    setObjectName(QStringLiteral("frmSoulUrge"));
    setAttribute(Qt::WA_DeleteOnClose);
    chrome::makeFixedWindow(*this);
    theme::applyWindowLook(*this);
    resize(kClientSize);

    m_promotions = createPromotionLabels(*this,
                                         {.topFrame = twipsRect(60, 0, 6300, 615),
                                          .banner = twipsRect(120, 135, 6120, 585),
                                          .bottomFrame = twipsRect(60, 4200, 6300, 975),
                                          .offer = twipsRect(315, 240, 5745, 615)},
                                         pages);

    txtDisplay = new QPlainTextEdit(this);
    txtDisplay->setObjectName(QStringLiteral("txtDisplay"));
    txtDisplay->setAccessibleName(toQString(texts::kReportName));
    txtDisplay->setGeometry(twipsRect(60, 690, 6300, 2955));
    txtDisplay->setReadOnly(true);
    txtDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtDisplay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDisplay->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Mouse movement over the report must reach the filter even with no button held.
    txtDisplay->viewport()->setMouseTracking(true);
    txtDisplay->viewport()->installEventFilter(this);
    connect(txtDisplay, &QPlainTextEdit::textChanged, this,
            [this] { takeReportOffClipboard(platform::Clipboard::Scope::ClipboardAndSelection); });
    // Selecting with the keyboard puts the selection where a middle click pastes it (X11); the
    // clipboard itself stays as Ctrl+C left it until the mouse moves over the report.
    connect(txtDisplay, &QPlainTextEdit::selectionChanged, this,
            [this] { takeReportOffClipboard(platform::Clipboard::Scope::SelectionOnly); });

    cmdback = new QPushButton(toQString(texts::kBack), this);
    cmdback->setObjectName(QStringLiteral("cmdback"));
    cmdback->setGeometry(twipsRect(5250, 3780, 1095, 375));
    chrome::makeKeyboardButton(*cmdback);
    connect(cmdback, &QPushButton::clicked, this, &frmSoulUrge::cmdback_Click);

    chrome::setTabChain({cmdback, txtDisplay, m_promotions.Label61, m_promotions.lblCobrand,
                         m_promotions.lblFullBrand});
    chrome::fixSize(*this);
    cmdback->setFocus();
}

void frmSoulUrge::insertReport(const QString& report)
{
    // The heading line ("Your Soul Urge Number is:N") describes the window and Back, which has
    // the focus as the window opens, so that a screen reader says the number at once.
    const QString heading = report.section(QStringLiteral("\r\n"), 0, 0);
    setAccessibleDescription(heading);
    cmdback->setAccessibleDescription(heading);
    txtDisplay->textCursor().insertText(report);
    QTextCursor caret = txtDisplay->textCursor();
    caret.setPosition(0);
    txtDisplay->setTextCursor(caret);
}

bool frmSoulUrge::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        takeReportOffClipboard(platform::Clipboard::Scope::ClipboardAndSelection);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSoulUrge::takeReportOffClipboard(platform::Clipboard::Scope scope)
{
    // Looked at once the box has handled the event, which may itself have put the selected text
    // where a middle click pastes it (a mouse button coming up, a key that selects). Only the
    // report's own text is taken off; another program's data stays.
    const bool due = m_clipboardCheck.has_value();
    if (!due || scope == platform::Clipboard::Scope::ClipboardAndSelection) {
        m_clipboardCheck = scope;
    }
    if (due) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        const auto checked = *std::exchange(m_clipboardCheck, std::nullopt);
        m_clipboard.removeTextOf(txtDisplay->toPlainText(), checked);
    });
}

void frmSoulUrge::cmdback_Click()
{
    m_goingBack = true;
    attempt([this] { close(); });
    attempt([this] { emit backToMain(); });
}

void frmSoulUrge::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closing(m_goingBack ? ClosingReason::Back : ClosingReason::Close);
}

} // namespace lumo::ui
