// The program's pictures drawn again for a panel drawn smaller: the picture's
// own code paints in its design coordinates onto as many device pixels as the
// part shows, and a panel back at its design size shows the design pictures
// again. Focus highlights keep their margin in proportion.

#include "TestSupport.h"
#include "ui/Drawing.h"
#include "ui/FocusHighlight.h"
#include "ui/ImageBox.h"
#include "ui/PanelScaler.h"
#include "ui/PictureButton.h"
#include "ui/ScaledPicture.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Red on the left half, blue on the right, of whatever design size: drawn in
// the picture's own coordinates, as every picture of the program is.
PicturePainter halves(const QSize& size)
{
    return [size] {
        Drawing::Canvas pm(size);
        const QRect r = pm.rect();
        pm.painter().fillRect(QRect(0, 0, r.width() / 2, r.height()), Qt::red);
        pm.painter().fillRect(QRect(r.width() / 2, 0, r.width() - r.width() / 2, r.height()), Qt::blue);
        return QPixmap(pm);
    };
}

} // namespace

class TestScaledPicture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void redrawn_data()
    {
        QTest::addColumn<QSize>("design");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("smaller") << QSize(100, 50) << QSize(60, 30) << 1.0;
        QTest::newRow("smaller, at 150 %") << QSize(100, 50) << QSize(60, 30) << 1.5;
        QTest::newRow("one pixel less than in proportion") << QSize(52, 52) << QSize(49, 50) << 1.0;
        QTest::newRow("at 200 %") << QSize(176, 160) << QSize(106, 96) << 2.0;
    }
    void redrawn()
    {
        QFETCH(QSize, design);
        QFETCH(QSize, size);
        QFETCH(qreal, dpr);
        const QPixmap pm = ScaledPicture::redrawn(halves(design), design, size, dpr);
        QCOMPARE(pm.size(), QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
        QCOMPARE(pm.devicePixelRatio(), dpr);
        // The whole picture, in proportion: nothing cut, and no more than the
        // last pixel left empty where the size is not quite in proportion.
        const QImage img = pm.toImage();
        QCOMPARE(img.pixelColor(0, img.height() / 2), QColor(Qt::red));
        QCOMPARE(img.pixelColor(img.width() * 45 / 100, img.height() / 2), QColor(Qt::red));
        QCOMPARE(img.pixelColor(img.width() * 55 / 100, img.height() / 2), QColor(Qt::blue));
        QCOMPARE(img.pixelColor(img.width() - 2, img.height() - 2), QColor(Qt::blue));
        // Pictures drawn afterwards are at their design size again.
        const QPixmap after = halves(design)();
        QCOMPARE(after.size(), design);
        QCOMPARE(after.devicePixelRatio(), 1.0);
    }

    // The program's pictures on a panel drawn at 0.6 on a 150 % screen: drawn
    // again for the device pixels of their parts; a stored bitmap is scaled
    // to its box; at 1 each part shows exactly what it showed as built.
    void panel()
    {
        QWidget panel;
        panel.resize(400, 200);
        QLabel* drawn = Widgets::picture(&panel, QStringLiteral("imgDrawn"), halves({100, 50}), {10, 10, 100, 50});
        QPixmap photo(100, 50);
        photo.fill(Qt::green);
        QLabel* stored = Widgets::picture(&panel, QStringLiteral("imgStored"), photo, {120, 10, 100, 50});
        auto* button = new PictureButton(halves({40, 40}), &panel);
        button->setGeometry(230, 10, 40, 40);
        QPushButton* command
            = Widgets::button(&panel, QStringLiteral("cmdCommand"), QStringLiteral("Salva"), {10, 100, 120, 40});
        ScaledPicture::show(command, halves({30, 30}));
        command->setIconSize({30, 30});
        const qint64 designDrawn = drawn->pixmap().cacheKey();
        const qint64 designButton = button->picture().cacheKey();

        PanelScaler scaler(&panel, panel.size());
        scaler.apply(0.6, 1.5);
        QCOMPARE(drawn->size(), QSize(60, 30));
        QVERIFY(!drawn->hasScaledContents());
        QCOMPARE(drawn->pixmap().size(), QSize(90, 45));
        QCOMPARE(drawn->pixmap().devicePixelRatio(), 1.5);
        QVERIFY(stored->hasScaledContents());
        QCOMPARE(button->picture().size(), QSize(36, 36));
        QCOMPARE(button->picture().devicePixelRatio(), 1.5);
        QCOMPARE(command->iconSize(), QSize(18, 18));
        QCOMPARE(command->icon().availableSizes(), QList<QSize>({QSize(27, 27)}));

        // Another screen, the same factor: drawn for its pixels.
        scaler.apply(0.6, 1.0);
        QCOMPARE(drawn->pixmap().size(), QSize(60, 30));
        QCOMPARE(drawn->pixmap().devicePixelRatio(), 1.0);

        scaler.apply(1.0, 1.0);
        QCOMPARE(drawn->geometry(), QRect(10, 10, 100, 50));
        QCOMPARE(drawn->pixmap().cacheKey(), designDrawn);
        QVERIFY(!stored->hasScaledContents());
        QCOMPARE(button->picture().cacheKey(), designButton);
        QCOMPARE(command->iconSize(), QSize(30, 30));
        QCOMPARE(command->icon().availableSizes(), QList<QSize>({QSize(30, 30)}));
    }

    // The placeholder of a missing photo is drawn again for the box's size,
    // where the panel is drawn smaller; at the design size it is the design
    // picture, never drawn again.
    void imageBox()
    {
        QWidget panel;
        panel.resize(300, 200);
        auto* box = new ImageBox(&panel);
        box->setGeometry(0, 0, 200, 100);
        QList<QSize> asked;
        const PicturePainter paint = [&asked] {
            asked.append(Drawing::pixelsFor(QSize(200, 100)));
            return halves({200, 100})();
        };
        box->setImage(paint().toImage(), paint);
        asked.clear();
        (void)box->grab();
        QCOMPARE(asked, QList<QSize>());
        PanelScaler scaler(&panel, panel.size());
        scaler.apply(0.6, 1.0);
        QCOMPARE(box->size(), QSize(120, 60));
        (void)box->grab();
        QCOMPARE(asked, QList<QSize>({QSize(120, 60)}));
        QCOMPARE(box->image().size(), QSize(200, 100));
    }

    // The highlight is the design's rectangle around the field, drawn at the
    // panel's factor as the field is: its margin shrinks with it.
    void focusHighlight_data()
    {
        QTest::addColumn<qreal>("factor");
        QTest::newRow("design") << 1.0;
        QTest::newRow("laptop") << 660.0 / 692;
        QTest::newRow("netbook") << 600.0 / 692;
        QTest::newRow("smallest") << 0.6;
    }
    void focusHighlight()
    {
        QFETCH(qreal, factor);
        QWidget panel;
        panel.resize(400, 200);
        auto* edit = new QLineEdit(&panel);
        edit->setGeometry(101, 53, 203, 23);
        auto* highlight = new FocusHighlight(edit, QStringLiteral("effEdit"));
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        PanelScaler scaler(&panel, panel.size());
        scaler.apply(factor, 1.0);
        const QRect design(97, 49, 211, 31);
        const QRect shown = highlight->geometry();
        for (const auto& [edge, expected] :
            {std::pair(shown.left(), design.left()), std::pair(shown.top(), design.top()),
                std::pair(shown.right() + 1, design.right() + 1), std::pair(shown.bottom() + 1, design.bottom() + 1)})
            QVERIFY2(qAbs(edge - expected * factor) <= 0.5, qPrintable(QString::number(edge)));
        // Around the field, at least one pixel on each side.
        QVERIFY(shown.adjusted(1, 1, -1, -1).contains(edit->geometry()));
        scaler.apply(1.0, 1.0);
        QCOMPARE(highlight->geometry(), design);
    }

    // A line that fits its label at the design size fits it drawn smaller,
    // though fonts do not shrink exactly in proportion; back at the design
    // size it has its own font again.
    void textFits_data()
    {
        QTest::addColumn<qreal>("factor");
        for (const qreal f : {0.95, 0.87, 0.75, 0.6})
            QTest::newRow(qPrintable(QString::number(f))) << f;
    }
    void textFits()
    {
        QFETCH(qreal, factor);
        QWidget panel;
        panel.resize(600, 100);
        const QString text = QStringLiteral("Immettere una o più parole consecutive presenti nella scheda");
        QLabel* own = Widgets::label(&panel, QStringLiteral("lblOwn"), text, {10, 10, 0, 18}, 11, true);
        auto* inherited = new QLabel(text, &panel);
        // Each exactly as wide as its line at the design size.
        own->resize(own->fontMetrics().horizontalAdvance(text), 18);
        inherited->setGeometry(10, 40, inherited->fontMetrics().horizontalAdvance(text), 18);
        const QFont designFont = own->font();
        PanelScaler scaler(&panel, panel.size());
        scaler.apply(factor, 1.0);
        for (const QLabel* l : {own, inherited})
            QVERIFY2(
                l->fontMetrics().horizontalAdvance(text) <= l->contentsRect().width() + 1, qPrintable(l->objectName()));
        scaler.apply(1.0, 1.0);
        QCOMPARE(own->font(), designFont);
        QVERIFY(!inherited->testAttribute(Qt::WA_SetFont));
    }
};

TESSARIA_TEST_MAIN(TestScaledPicture)
#include "test_scaled_picture.moc"
