// Gallery shots of the application shell: login, change password, main menu,
// and contact sheets of the pictures they are made of.

#include "Gallery.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "ui/Art.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

void type(QWidget& window, const char* field, const char* text)
{
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
    edit->setFocus();
    edit->setText(QString::fromLatin1(text));
}

// Every category's tile, caption and title strip on one sheet.
QImage categorySheet()
{
    const auto& all = Catalogo::Tutte();
    const int rowHeight = 220;
    QImage sheet(760, 20 + rowHeight * int(all.size()), QImage::Format_ARGB32);
    sheet.fill(QColor(0xF4, 0xF6, 0xF9));
    QPainter p(&sheet);
    int y = 20;
    for (const Categoria& c : all) {
        p.drawPixmap(20, y, Art::tile(c));
        p.drawPixmap(19, y + 166, Art::tileCaption(c));
        p.drawPixmap(230, y, Art::titleStrip(c));
        p.drawPixmap(230, y + 60, Art::placeholder(c).scaled(225, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        p.setPen(Qt::darkGray);
        p.drawText(480, y + 80, c.Chiave);
        y += rowHeight;
    }
    return sheet;
}

QImage placeholderSheet()
{
    const auto& all = Catalogo::Tutte();
    const QSize s = Art::PlaceholderSize;
    QImage sheet(2 * s.width() + 30, 5 * (s.height() + 10) + 10, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int i = 0; i < all.size(); ++i)
        p.drawPixmap(10 + (i % 2) * (s.width() + 10), 10 + (i / 2) * (s.height() + 10), Art::placeholder(all.at(i)));
    return sheet;
}

QImage pictureSheet()
{
    QImage sheet(1000, 300, QImage::Format_ARGB32);
    sheet.fill(QColor(0xF4, 0xF6, 0xF9));
    QPainter p(&sheet);
    p.drawPixmap(10, 10, Art::logo({328, 160}));
    p.drawPixmap(350, 10, Art::logo({353, 148}));
    p.drawPixmap(720, 10, Art::lightBulb({66, 66}));
    p.drawPixmap(800, 10, Art::versionBadge({66, 66}));
    p.drawPixmap(720, 90, Art::info({52, 52}));
    p.drawPixmap(780, 90, Art::help({52, 52}));
    p.drawPixmap(840, 90, Art::exit({48, 48}));
    p.drawPixmap(900, 90, Art::copyright({34, 34}));
    p.drawPixmap(10, 180, Art::title({380, 66}));
    p.drawPixmap(400, 190, Art::makerStrip({600, 36}));
    p.drawPixmap(10, 255, Art::subtitle({944, 38}));
    return sheet;
}

void appShots(GalleryCamera& camera)
{
    {
        TfrmPassword login;
        camera.shoot(QStringLiteral("login"), login);
        // Focus on "Esci": the field without its highlight.
        login.findChild<QPushButton*>(QStringLiteral("cmdEsci"))->setFocus();
        camera.shoot(QStringLiteral("login_empty"), login);
        type(login, "txtPassword", "girasole");
        camera.shoot(QStringLiteral("login_highlight"), login);
    }
    {
        TfrmCambiaPassword change;
        camera.shoot(QStringLiteral("change_password"), change);
        type(change, "txtPasswordOld", "girasolemarino");
        type(change, "txtPasswordNew", "primavera");
        type(change, "txtConferma", "primavera");
        camera.shoot(QStringLiteral("change_password_filled"), change);
    }
    {
        TfrmAvvio menu;
        camera.shoot(QStringLiteral("menu"), menu, TfrmAvvio::DesignSize);
    }
    camera.save(QStringLiteral("art_categories"), categorySheet());
    camera.save(QStringLiteral("art_placeholders"), placeholderSheet());
    camera.save(QStringLiteral("art_pictures"), pictureSheet());
}

const GalleryGroup group("app", &appShots);

} // namespace
