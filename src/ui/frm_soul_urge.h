#pragma once

#include "platform/clipboard.h"
#include "ui/closing_reason.h"
#include "ui/promotion_labels.h"

#include <QWidget>
#include <optional>

class QPlainTextEdit;
class QPushButton;

namespace lumo::modHelp {
class PageLauncher;
}

namespace lumo::ui {

// Shows the report of one calculation. Created for every Next and destroyed when it closes.
class frmSoulUrge final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSoulUrge)

public:
    // `pages` opens what the promotion labels link to.
    frmSoulUrge(modHelp::PageLauncher& pages, platform::Clipboard& clipboard);

    // Inserts `report` at the caret of the report box, then puts the caret at the start.
    void insertReport(const QString& report);
    [[nodiscard]] PromotionLabels& promotions() { return m_promotions; }

signals:
    // The window has closed: Back, or the user closed it.
    void closing(lumo::ui::ClosingReason reason);
    // Back has closed this window; the main window is to come back.
    void backToMain();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdback_Click();
    void takeReportOffClipboard(platform::Clipboard::Scope scope);

    platform::Clipboard& m_clipboard;
    PromotionLabels m_promotions;
    QPlainTextEdit* txtDisplay = nullptr;
    QPushButton* cmdback = nullptr;
    bool m_goingBack = false;
    // What the next look at the clipboard covers; empty when none is due.
    std::optional<platform::Clipboard::Scope> m_clipboardCheck;
};

} // namespace lumo::ui
