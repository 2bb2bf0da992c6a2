// The watch over the extra paths: a path that comes or goes is reported, a
// burst of events only once.
#include "ports/DeviceWatch.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(DeviceWatch, ReportsAnExtraPathThatComesAndGoes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("receiver");
    DeviceWatch watch({path});
    watch.start(/*useUdev*/ false);
    QSignalSpy changed(&watch, &DeviceWatch::changed);
    QTest::qWait(DeviceWatch::PollMs * 2);
    EXPECT_EQ(changed.count(), 0); // nothing happens, nothing is said

    QFile(path).open(QIODevice::WriteOnly);
    EXPECT_TRUE(changed.wait(2000));
    QFile::remove(path);
    EXPECT_TRUE(changed.wait(2000));
}

TEST(DeviceWatch, ABurstOfEventsIsOneChange) {
    DeviceWatch watch({});
    QSignalSpy changed(&watch, &DeviceWatch::changed);
    for (int i = 0; i < 50; ++i)
        watch.nudge();
    EXPECT_TRUE(changed.wait(2000));
    for (int i = 0; i < 50; ++i)
        watch.nudge(); // within the gap after a change: one more, later
    EXPECT_TRUE(changed.wait(2000));
    QTest::qWait(DeviceWatch::MinGapMs + DeviceWatch::SettleMs);
    EXPECT_EQ(changed.count(), 2);
}
