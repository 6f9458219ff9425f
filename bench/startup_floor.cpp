// The floor for start-up: the main window's widget tree built straight with Qt, with the same
// controls, texts, geometry, colours, font sizes and icon, and no program logic (no settings,
// reminder, lock, filters or page links). bench/startup.sh starts it side by side with the
// program and compares what each spends up to its first mapped window.
//
// By default its fonts name the toolkit's own default family, which is always installed, so it
// never looks a missing family up. With --named-families they name the families the layouts
// name (Verdana, MS Sans Serif), each control given its font the plain way, and Qt resolves any
// family that is not installed as it would for any program. With --bare it is the bare widget
// tree: no font set anywhere (the toolkit's default font throughout) and no window icon.

#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/window_chrome.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <cstring>

namespace {

using lumo::ui::chrome::twipsRect;
namespace texts = lumo::ui::texts;

enum class Fonts { DefaultFamily, NamedFamilies, ToolkitDefault };
Fonts g_fonts = Fonts::DefaultFamily;

enum class Face { Body, Caption };

// Gives `widget` the font its layout names, unless the tree is bare.
void setFloorFont(QWidget& widget, double pointSize, bool bold = false, Face face = Face::Body)
{
    if (g_fonts == Fonts::ToolkitDefault) {
        return;
    }
    QFont font(QApplication::font().family());
    if (g_fonts == Fonts::NamedFamilies) {
        font =
            QFont(face == Face::Body ? QStringLiteral("Verdana") : QStringLiteral("MS Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    widget.setFont(font);
}

template <typename Widget> Widget* place(Widget* widget, const QRect& at)
{
    widget->setGeometry(at);
    return widget;
}

QLabel* offer(const char* caption, const QRect& at, QWidget* parent, bool opaque = true)
{
    const QString text =
        QString::fromUtf8(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
    auto* label = place(new QLabel(text, parent), at);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setCursor(Qt::PointingHandCursor);
    if (opaque) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
        palette.setColor(QPalette::WindowText, lumo::ui::theme::kBrandText);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

void buildClient(QWidget& client)
{
    constexpr double kBody = lumo::ui::theme::kBodyPointSize;
    auto* bottom = place(new QGroupBox(&client), twipsRect(80, 2400, 6255, 975));
    offer(texts::kCoBrandOffer, twipsRect(210, 240, 5745, 615), bottom);
    offer(texts::kFullBrandOffer, twipsRect(210, 240, 5745, 615), bottom);
    auto* top = place(new QGroupBox(&client), twipsRect(80, 0, 6255, 615));
    offer(texts::kForumBanner, twipsRect(50, 140, 6120, 585), top, false);

    auto* name = place(new QGroupBox(QString::fromUtf8(texts::kFraName), &client),
                       twipsRect(80, 720, 6255, 1605));
    setFloorFont(*name, kBody, true);
    QList<QWidget*> controls;
    for (const QRect& at : {twipsRect(4200, 450, 1935, 345), twipsRect(2115, 450, 1965, 345),
                            twipsRect(90, 450, 1905, 345)}) {
        controls << place(new QLineEdit(name), at);
    }
    auto* birthDay = place(new QGroupBox(QString::fromUtf8(texts::kFraBirthDay), name),
                           twipsRect(120, 840, 6045, 645));
    setFloorFont(*birthDay, kBody, true);
    auto* day = place(new QComboBox(birthDay), twipsRect(1760, 210, 855, 315));
    auto* month = place(new QComboBox(birthDay), twipsRect(120, 210, 1455, 315));
    auto* year = place(new QComboBox(birthDay), twipsRect(2800, 210, 975, 315));
    controls << day << month << year
             << place(new QPushButton(QString::fromUtf8(texts::kNext), birthDay),
                      twipsRect(3960, 210, 1965, 315));
    for (const auto& [caption, left] :
         {std::pair{texts::kLastName, 4200}, std::pair{texts::kMiddleName, 2160},
          std::pair{texts::kFirstName, 120}}) {
        auto* label = new QLabel(QString::fromUtf8(caption), name);
        setFloorFont(*label, kBody, false, Face::Caption);
        label->move(twipsRect(left, 240, 0, 0).topLeft());
        label->adjustSize();
    }
    place(new QPushButton(QString::fromUtf8(texts::kExit), &client),
          twipsRect(3840, 3600, 1200, 375))
        ->hide();
    for (QWidget* control : controls) {
        setFloorFont(*control, kBody);
    }
    for (int number = 1; number <= texts::kDaysInLongestMonth; ++number) {
        day->addItem(QString::number(number));
    }
    for (const char* caption : texts::kMonths) {
        month->addItem(QString::fromUtf8(caption));
    }
    for (int number = texts::kFirstYear; number <= texts::kLastYear; ++number) {
        year->addItem(QString::number(number));
    }
    controls.first()->setFocus();
}

void buildMenus(QMainWindow& window)
{
    QMenu* file = window.menuBar()->addMenu(QString::fromUtf8(texts::kMenuFile));
    file->addAction(QString::fromUtf8(texts::kNext));
    file->addAction(QString::fromUtf8(texts::kExit));
    QMenu* help = window.menuBar()->addMenu(QString::fromUtf8(texts::kMenuHelp));
    help->addAction(QString::fromUtf8(texts::kMenuOnline));
    help->addAction(QString::fromUtf8(texts::kMenuVisit));
    help->addSeparator();
    help->addAction(QString::fromUtf8(texts::kMenuUpdate));
    help->addSeparator();
    help->addAction(QString::fromUtf8(texts::kMenuAbout));
    window.menuBar()->addAction(QString::fromUtf8(texts::kMenuDonate));
}

} // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    if (bare) {
        g_fonts = Fonts::ToolkitDefault;
    } else if (argc > 1 && std::strcmp(argv[1], "--named-families") == 0) {
        g_fonts = Fonts::NamedFamilies;
    }
    const QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Startup floor"));
    if (!bare) {
        QIcon icon;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            icon.addFile(QStringLiteral(":/lumo/icons/%1.png").arg(size), QSize(size, size));
        }
        window.setWindowIcon(icon);
    }
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(&window);
    client->setFixedSize(lumo::ui::chrome::px(6405), lumo::ui::chrome::px(3450));
    window.setCentralWidget(client);
    QPalette palette = window.palette();
    for (const auto role :
         {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase}) {
        palette.setColor(role, lumo::ui::theme::kWindowBlue);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(role, lumo::ui::theme::kText);
    }
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    setFloorFont(window, lumo::ui::theme::kBodyPointSize);
    buildClient(*client);
    buildMenus(window);
    window.setFixedSize(window.sizeHint());
    QRect frame = window.frameGeometry();
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    window.move(frame.topLeft());
    window.show();
    return QApplication::exec();
}
