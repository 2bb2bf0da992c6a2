#include "app/ComErrorReport.h"
#include "ui/QtUserDialogs.h"

#include <gtest/gtest.h>

TEST(ComError, TextsByCode) {
    using Icon = UserDialogs::Icon;
    const auto open = comErrorBoxes(8);
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].text, QString::fromUtf8("Die Schnittstelle konte nicht geöffnet werden: "));
    EXPECT_EQ(open[0].icon, Icon::Warning);

    const auto read = comErrorBoxes(10);
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].text, QStringLiteral("Lesefehler auf serieller Schnittstelle "));

    for (int code : {1, 6, 11, 17}) {
        const auto other = comErrorBoxes(code);
        ASSERT_EQ(other.size(), 2);
        EXPECT_EQ(other[0].text, QStringLiteral("Comm Error: "));
        EXPECT_EQ(other[0].icon, Icon::None);
        EXPECT_EQ(other[1].text, QStringLiteral("Kommunikationsfehler mit "));
        EXPECT_EQ(other[1].icon, Icon::Warning);
    }
}

TEST(DialogFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFileFilter(QStringLiteral("Software-Datei (*.app)|*.app|List-Datei (*.lst)|*.lst")),
              QStringLiteral("Software-Datei (*.app);;List-Datei (*.lst)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Lists|*.lst")), QStringLiteral("Lists (*.lst)"));
    EXPECT_EQ(qtFileFilter(QString()), QString());
}
