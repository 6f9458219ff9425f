#pragma once

#include <QDialog>

namespace lumo::modHelp {
class PageLauncher;
}

namespace lumo::ui {

// Names the program and links to the maker's home page and to the fully branded offer.
// Fixed content; each opening builds it afresh.
class frmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(modHelp::PageLauncher& pages, QWidget* parent = nullptr);
};

} // namespace lumo::ui
