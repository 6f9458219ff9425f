// Which family a control names for each family the layouts name: the designed one where it is
// installed, else the nearest installed stand-in, else the designed one, left to the system.

#include "support/program_look.h"
#include "ui/font_families.h"

#include <QTest>
#include <initializer_list>

using lumo::ui::fonts::pickFamily;

class FontFamiliesTest final : public QObject {
    Q_OBJECT

private slots:
    void picksTheDesignedFamilyElseTheFirstInstalledStandIn_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("picked");
        const auto row = [](const char* name, std::initializer_list<const char*> installed,
                            const char* picked) {
            QStringList families;
            for (const char* family : installed) {
                families << QString::fromLatin1(family);
            }
            QTest::newRow(name) << families << QString::fromLatin1(picked);
        };
        row("designed installed, stand-ins too",
            {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, "MS Sans Serif");
        row("designed installed, spelt otherwise", {"ms sans serif"}, "MS Sans Serif");
        row("first stand-in", {"Liberation Sans", "DejaVu Sans"}, "Liberation Sans");
        row("second stand-in", {"Noto Sans", "DejaVu Sans"}, "DejaVu Sans");
        row("none installed: left to the system", {"Noto Sans"}, "MS Sans Serif");
        row("nothing installed at all", {}, "MS Sans Serif");
    }
    void picksTheDesignedFamilyElseTheFirstInstalledStandIn()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, picked);
        QStringList asked;
        const auto isInstalled = [&](const QString& family) {
            asked << family;
            return installed.contains(family, Qt::CaseInsensitive);
        };
        QCOMPARE(pickFamily(QStringLiteral("MS Sans Serif"),
                            {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                            isInstalled),
                 picked);
        QVERIFY2(!asked.isEmpty() && asked.first() == QStringLiteral("MS Sans Serif"),
                 "the designed family is looked for first");
    }
};

LUMO_WINDOW_TEST_MAIN(FontFamiliesTest)
#include "font_families_test.moc"
