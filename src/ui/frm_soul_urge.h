#pragma once

#include "platform/clipboard.h"
#include "ui/promotion_labels.h"
#include "ui/window_services.h"

#include <QWidget>
#include <optional>

class QPlainTextEdit;
class QPushButton;

namespace lumo::ui {

// Shows the report of one calculation. Created for every Next and destroyed when it closes.
class frmSoulUrge final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSoulUrge)

public:
    explicit frmSoulUrge(const WindowServices& services);

    // Inserts `report` at the caret of the report box, then puts the caret at the start.
    void InsertReport(const QString& report);
    [[nodiscard]] PromotionLabels& promotions() { return m_promotions; }

signals:
    // The window is being unloaded (closed, or by Back).
    void unloading();
    // Back has closed this window; the main window shows itself again.
    void backToMain();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdback_Click();
    void takeReportOffClipboard(platform::Clipboard::Scope scope);

    WindowServices m_services;
    PromotionLabels m_promotions;
    QPlainTextEdit* txtDisplay = nullptr;
    QPushButton* cmdback = nullptr;
    bool m_goingBack = false;
    // What the next look at the clipboard covers; empty when none is due.
    std::optional<platform::Clipboard::Scope> m_clipboardCheck;
};

} // namespace lumo::ui
