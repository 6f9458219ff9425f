#include "ui/frm_main.h"

#include "common/attempt.h"
#include "common/qt_text.h"
#include "core/report.h"
#include "core/soul_urge.h"
#include "platform/user_messages.h"
#include "ui/accessible_roles.h"
#include "ui/capitalising_filter.h"
#include "ui/clickable_label.h"
#include "ui/frm_about.h"
#include "ui/length_limit.h"
#include "ui/program_style.h"
#include "ui/promotion_labels.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/window_chrome.h"
#include "web/mod_help.h"
#include "web/update_reminder.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace lumo::ui {

using chrome::twipsRect;

namespace {
constexpr QSize kClientSize{chrome::px(6405), chrome::px(3450)};

template <typename Widget> Widget* named(Widget* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLineEdit* nameBox(const char* name, const char* accessibleName, const QRect& at, QWidget* parent)
{
    auto* box = named(new QLineEdit(parent), name, at);
    box->setAccessibleName(toQString(accessibleName));
    return box;
}

QComboBox* dateList(const char* name, const char* accessibleName, const QRect& at, QWidget* parent)
{
    auto* list = named(new QComboBox(parent), name, at);
    // Before the name: a screen reader's view of the list is made once, when first asked for.
    nameListByItsRole(*list);
    list->setAccessibleName(toQString(accessibleName));
    return list;
}

// A frame with its caption in bold; what lies inside it takes the frame's regular font.
QGroupBox* boldFrame(const char* name, const char* caption, const QRect& at, QWidget* parent)
{
    auto* frame = named(new QGroupBox(parent), name, at);
    drawCaptionInBold(*frame);
    frame->setTitle(toQString(caption));
    frame->setAccessibleName(toQString(caption));
    return frame;
}

QLabel* caption(const char* name, const char* caption, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(toQString(caption), parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(theme::msSansSerif(theme::kBodyPointSize));
    label->move(at);
    label->adjustSize();
    return label;
}
} // namespace

frmMain::frmMain(WindowServices services, modHelp::UpdateReminder& reminder)
    : m_services(services)
    , m_reminder(reminder)
{
    setObjectName(QStringLiteral("frmMain"));
    chrome::makeFixedWindow(*this);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmMainClient"));
    client->setFixedSize(kClientSize);
    setCentralWidget(client);
    theme::applyWindowLook(*this);
    createControls(*client);
    createMenus();
    chainTabOrder();
    resize(sizeHint());
    chrome::fixSize(*this);
    Form_Load();
}

void frmMain::createControls(QWidget& client)
{
    m_promotions = createPromotionLabels(client,
                                         {.topFrame = twipsRect(80, 0, 6255, 615),
                                          .banner = twipsRect(50, 140, 6120, 585),
                                          .bottomFrame = twipsRect(80, 2400, 6255, 975),
                                          .offer = twipsRect(210, 240, 5745, 615)},
                                         m_services.pages);

    fraName = boldFrame("fraName", texts::kFraName, twipsRect(80, 720, 6255, 1605), &client);
    auto* filter = new CapitalisingFilter(this);
    txtLastName =
        nameBox("txtLastName", texts::kLastName, twipsRect(4200, 450, 1935, 345), fraName);
    txtMiddleName =
        nameBox("txtMiddleName", texts::kMiddleName, twipsRect(2115, 450, 1965, 345), fraName);
    txtFirstName =
        nameBox("txtFirstName", texts::kFirstName, twipsRect(90, 450, 1905, 345), fraName);
    for (QLineEdit* box : {txtFirstName, txtMiddleName, txtLastName}) {
        limitLength(*box, texts::kLongestNamePart, [this] {
            m_services.messages.information(
                this, toQString(texts::kNameTooLong).arg(texts::kLongestNamePart));
        });
        capitaliseEntries(*box, *filter);
    }

    // Named outright (boldFrame): left to itself, the inner frame is announced by the outer
    // frame's caption.
    fraBirthDay =
        boldFrame("fraBirthDay", texts::kFraBirthDay, twipsRect(120, 840, 6045, 645), fraName);
    cboDate = dateList("cboDate", texts::kDay, twipsRect(1760, 210, 855, 315), fraBirthDay);
    cboMonth = dateList("cboMonth", texts::kMonth, twipsRect(120, 210, 1455, 315), fraBirthDay);
    cboYear = dateList("cboYear", texts::kYear, twipsRect(2800, 210, 975, 315), fraBirthDay);
    cmdNext = named(new QPushButton(toQString(texts::kNext), fraBirthDay), "cmdNext",
                    twipsRect(3960, 210, 1965, 315));
    chrome::makeKeyboardButton(*cmdNext);
    connect(cmdNext, &QPushButton::clicked, this, &frmMain::ShowSoulUrgeResult);

    caption("Label5", texts::kLastName, twipsRect(4200, 240, 0, 0).topLeft(), fraName);
    caption("Label4", texts::kMiddleName, twipsRect(2160, 240, 0, 0).topLeft(), fraName);
    caption("Label1", texts::kFirstName, twipsRect(120, 240, 0, 0).topLeft(), fraName);

    // Reached only through File, Exit: it lies below the client area and never takes the focus.
    cmdExit = named(new QPushButton(toQString(texts::kExit), &client), "cmdExit",
                    twipsRect(3840, 3600, 1200, 375));
    cmdExit->setFocusPolicy(Qt::NoFocus);
    cmdExit->hide();
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    // The boxes, lists and Next take the window's body font through their frames, never set
    // on them: a list whose font changes makes its drop-down view at once.
}

void frmMain::createMenus()
{
    auto action = [this](QMenu* menu, const char* name, const char* caption, auto slot) {
        QAction* entry = menu->addAction(toQString(caption));
        entry->setObjectName(QLatin1String(name));
        connect(entry, &QAction::triggered, this, slot);
        return entry;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };
    auto& pages = m_services.pages;

    QMenu* nuFile = menuBar()->addMenu(toQString(texts::kMenuFile));
    nuFile->setObjectName(QStringLiteral("nuFile"));
    action(nuFile, "mnuNext", texts::kNext, [this] { ShowSoulUrgeResult(); });
    action(nuFile, "mnuExit", texts::kExit, [this] { cmdExit->click(); });

    QMenu* mnuHelp = menuBar()->addMenu(toQString(texts::kMenuHelp));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    action(mnuHelp, "mnuOnline", texts::kMenuOnline, [&pages] { pages.open(modHelp::Page::Help); });
    action(mnuHelp, "mnuVisit", texts::kMenuVisit, [&pages] { pages.open(modHelp::Page::Home); });
    separator(mnuHelp, "mnuFileSep1");
    action(mnuHelp, "mnuUpdate", texts::kMenuUpdate,
           [&pages] { pages.open(modHelp::Page::Download); });
    separator(mnuHelp, "mnuFileSep2");
    action(mnuHelp, "mnuAbout", texts::kMenuAbout, [this] { showAbout(); });

    QAction* mnuDonate = menuBar()->addAction(toQString(texts::kMenuDonate));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, [&pages] { pages.open(modHelp::Page::Donate); });
}

void frmMain::chainTabOrder()
{
    // The entries in their order, then the links; Tab passes over the offer that is covered.
    chrome::setTabChain({txtFirstName, txtMiddleName, txtLastName, cboMonth, cboDate, cboYear,
                         cmdNext, m_promotions.Label61, m_promotions.lblCobrand,
                         m_promotions.lblFullBrand});
}

void frmMain::Form_Load()
{
    // Contained, so that a failing reminder cannot take the main window down with it.
    attempt([this] { m_reminder.CheckUpdateReminder(); });
    for (int day = 1; day <= texts::kDaysInLongestMonth; ++day) {
        cboDate->addItem(QString::number(day));
    }
    for (const char* month : texts::kMonths) {
        cboMonth->addItem(toQString(month));
    }
    for (int year = texts::kFirstYear; year <= texts::kLastYear; ++year) {
        cboYear->addItem(QString::number(year));
    }
    for (QComboBox* list : {cboDate, cboMonth, cboYear}) {
        list->setCurrentIndex(0);
    }
    txtFirstName->setFocus();
}

void frmMain::showMessage(const char* message)
{
    m_services.messages.information(this, toQString(message));
}

bool frmMain::ValidateEntries()
{
    auto refuse = [this](const char* message, QWidget* focus) {
        showMessage(message);
        if (focus) {
            focus->setFocus();
        }
        return false;
    };
    if (txtFirstName->text().isEmpty()) {
        return refuse(texts::kEnterFirstName, txtFirstName);
    }
    if (txtLastName->text().isEmpty()) {
        return refuse(texts::kEnterLastName, txtLastName);
    }
    if (cboDate->currentIndex() < 0) {
        return refuse(texts::kSpecifyDate, cboDate);
    }
    if (cboMonth->currentIndex() < 0) {
        return refuse(texts::kSpecifyMonth, cboMonth);
    }
    if (cboYear->currentIndex() < 0) {
        return refuse(texts::kSpecifyYear, cboYear);
    }
    // The calendar's own rule, which leaves out 29 February 1900 as the Gregorian calendar does.
    const int day = cboDate->currentIndex() + 1;
    const int month = cboMonth->currentIndex() + 1;
    const int year = texts::kFirstYear + cboYear->currentIndex();
    if (!QDate(year, month, day).isValid()) {
        constexpr int kFebruary = 2;
        return refuse(month == kFebruary ? texts::kWrongFebruaryDay : texts::kWrongThirtyFirst,
                      nullptr);
    }
    return true;
}

void frmMain::ShowSoulUrgeResult()
{
    if (!ValidateEntries()) {
        return;
    }
    hide();
    // The names as the boxes' rule gives them, however they came in: one name, one number.
    const QByteArray first = capitalisedName(txtFirstName->text()).toUtf8();
    const QByteArray middle = capitalisedName(txtMiddleName->text()).toUtf8();
    const QByteArray last = capitalisedName(txtLastName->text()).toUtf8();
    const auto number =
        CalculateSoulUrge(first.toStdString(), middle.toStdString(), last.toStdString());
    emit reportReady(QString::fromStdString(BuildSoulUrgeReport(number)));
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::showAbout()
{
    // Owned by this window, so that window managers keep it with this one, over it.
    frmAbout about(m_services.pages, this);
    about.exec();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closing(ClosingReason::Close);
}

} // namespace lumo::ui
