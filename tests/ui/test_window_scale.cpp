// The rule that decides how much a window shrinks to fit its screen, and how
// its parts' rectangles follow, without any window.

#include "TestSupport.h"
#include "ui/WindowScale.h"

class TestWindowScale : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fit_data()
    {
        QTest::addColumn<QSize>("design");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("desktop") << QSize(995, 692) << QSize(1916, 1046) << 1.0 << false;
        QTest::newRow("exactly the room") << QSize(995, 692) << QSize(995, 692) << 1.0 << false;
        QTest::newRow("one pixel short") << QSize(995, 692) << QSize(995, 691) << 691.0 / 692 << false;
        QTest::newRow("laptop, height decides") << QSize(995, 692) << QSize(1280, 660) << 660.0 / 692 << false;
        QTest::newRow("narrow, width decides") << QSize(996, 692) << QSize(800, 1000) << 800.0 / 996 << false;
        QTest::newRow("at the minimum") << QSize(1000, 500) << QSize(600, 300) << 0.6 << false;
        QTest::newRow("below the minimum") << QSize(1000, 500) << QSize(599, 400) << 0.6 << true;
        QTest::newRow("no screen") << QSize(995, 692) << QSize() << 1.0 << false;
    }
    void fit()
    {
        QFETCH(QSize, design);
        QFETCH(QSize, room);
        const WindowScale::Fit f = WindowScale::fit(design, room);
        QFETCH(qreal, factor);
        QFETCH(bool, scrolls);
        QCOMPARE(f.factor, factor);
        QCOMPARE(f.scrolls, scrolls);
        // Whatever does not scroll lies inside the room.
        if (!f.scrolls && room.isValid()) {
            const QSize s = WindowScale::scaled(design, f.factor);
            QVERIFY(s.width() <= room.width() && s.height() <= room.height());
        }
    }

    void room()
    {
        QCOMPARE(WindowScale::room(QRect(1920, 0, 1280, 720), QMargins(1, 30, 1, 1)), QSize(1278, 689));
        QCOMPARE(WindowScale::room(QRect(0, 0, 20, 20), QMargins(15, 15, 15, 15)), QSize(0, 0));
    }

    // Neighbours in the design stay neighbours, apart parts stay apart, and
    // a part on the panel's far edge ends on the scaled panel's edge.
    void rectangles_data()
    {
        QTest::addColumn<QRect>("a");
        QTest::addColumn<QRect>("b");
        QTest::addColumn<qreal>("factor");
        QTest::newRow("side by side") << QRect(24, 26, 37, 39) << QRect(61, 26, 37, 39) << 0.953;
        QTest::newRow("stacked") << QRect(10, 10, 100, 21) << QRect(10, 31, 100, 21) << 0.61;
        QTest::newRow("one apart") << QRect(0, 0, 33, 10) << QRect(34, 0, 33, 10) << 0.6;
        QTest::newRow("overlapping") << QRect(0, 0, 50, 50) << QRect(40, 40, 50, 50) << 0.7;
        QTest::newRow("left of the panel") << QRect(-1, 320, 172, 34) << QRect(171, 320, 20, 34) << 0.86;
    }
    void rectangles()
    {
        QFETCH(QRect, a);
        QFETCH(QRect, b);
        QFETCH(qreal, factor);
        const QRect sa = WindowScale::scaled(a, factor);
        const QRect sb = WindowScale::scaled(b, factor);
        QCOMPARE(sa.intersects(sb), a.intersects(b));
        if (a.right() + 1 == b.left())
            QCOMPARE(sa.right() + 1, sb.left());
        if (a.bottom() + 1 == b.top())
            QCOMPARE(sa.bottom() + 1, sb.top());
        for (const auto& [design, scaled] : {std::pair(a, sa), std::pair(b, sb)}) {
            QVERIFY(qAbs(scaled.width() - design.width() * factor) <= 1.0);
            QVERIFY(qAbs(scaled.x() - design.x() * factor) <= 0.5);
        }
        const QSize panel(996, 692);
        const QSize scaledPanel = WindowScale::scaled(panel, factor);
        QCOMPARE(WindowScale::scaled(QRect(QPoint(0, 0), panel), factor).size(), scaledPanel);
    }

    void unchangedAtOne()
    {
        QCOMPARE(WindowScale::scaled(QRect(3, -4, 17, 9), 1.0), QRect(3, -4, 17, 9));
        QCOMPARE(WindowScale::scaled(QSize(995, 692), 1.0), QSize(995, 692));
    }
};

TESSARIA_TEST_MAIN(TestWindowScale)
#include "test_window_scale.moc"
