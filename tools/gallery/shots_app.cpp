// Gallery shots of the application shell: login, change password, main menu,
// and contact sheets of the pictures they are made of.

#include "Gallery.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "ui/ProgramPictures.h"

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
        p.drawPixmap(20, y, ProgramPictures::tile(c));
        p.drawPixmap(19, y + 166, ProgramPictures::tileCaption(c));
        p.drawPixmap(230, y, ProgramPictures::titleStrip(c));
        p.drawPixmap(230, y + 60,
            ProgramPictures::placeholder(c).scaled(225, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        p.setPen(Qt::darkGray);
        p.drawText(480, y + 80, c.Chiave);
        y += rowHeight;
    }
    return sheet;
}

QImage placeholderSheet()
{
    const auto& all = Catalogo::Tutte();
    const QSize s = ProgramPictures::PlaceholderSize;
    QImage sheet(2 * s.width() + 30, 5 * (s.height() + 10) + 10, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int i = 0; i < all.size(); ++i)
        p.drawPixmap(
            10 + (i % 2) * (s.width() + 10), 10 + (i / 2) * (s.height() + 10), ProgramPictures::placeholder(all.at(i)));
    return sheet;
}

QImage pictureSheet()
{
    QImage sheet(1000, 300, QImage::Format_ARGB32);
    sheet.fill(QColor(0xF4, 0xF6, 0xF9));
    QPainter p(&sheet);
    p.drawPixmap(10, 10, ProgramPictures::logo({328, 160}));
    p.drawPixmap(350, 10, ProgramPictures::logo({353, 148}));
    p.drawPixmap(720, 10, ProgramPictures::lightBulb({66, 66}));
    p.drawPixmap(800, 10, ProgramPictures::versionBadge({66, 66}));
    p.drawPixmap(720, 90, ProgramPictures::info({52, 52}));
    p.drawPixmap(780, 90, ProgramPictures::help({52, 52}));
    p.drawPixmap(840, 90, ProgramPictures::exit({48, 48}));
    p.drawPixmap(900, 90, ProgramPictures::copyright({34, 34}));
    p.drawPixmap(10, 180, ProgramPictures::title({380, 66}));
    p.drawPixmap(400, 190, ProgramPictures::makerStrip({600, 36}));
    p.drawPixmap(10, 255, ProgramPictures::subtitle({944, 38}));
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
