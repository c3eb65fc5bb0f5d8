#pragma once

// Small fixtures shared by the suites that drive the archive screen and the
// windows it opens.

#include "TestSupport.h"
#include "archive/Categoria.h"
#include "archive/Tracciato.h"
#include "editor/TfrmArchivio.h"

#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fixtures {

inline const Categoria& cat(const char* chiave)
{
    return *Catalogo::PerChiave(QString::fromLatin1(chiave));
}

inline QByteArray leggi(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool scrivi(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A record file of `quante` cards whose every field says which card it is.
inline QByteArray archivioDi(const Categoria& c, int quante)
{
    QByteArray bytes;
    for (int n = 1; n <= quante; ++n) {
        Scheda s(c.tipo);
        const Tracciato& t = s.tracciato();
        for (int i = 0; i < t.campi(); ++i)
            s.imposta(i, QStringLiteral("%1 %2").arg(QLatin1String(t.nome(i))).arg(n));
        s.imposta("Segnala", QStringLiteral("No"));
        s.imposta("DataSca", QStringLiteral("01/02/2024"));
        bytes += s.byte();
    }
    return bytes;
}

inline QImage tinta(const QSize& size, const QColor& colore)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colore);
    return img;
}

// An archive screen shown and active, as the user has it.
struct Schermo {
    explicit Schermo(const Categoria& c)
        : w(c)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        (void)QTest::qWaitForWindowActive(&w);
    }
    void premi(const char* comando)
    {
        auto* b = w.findChild<QPushButton*>(QString::fromLatin1(comando));
        QVERIFY2(b, comando);
        b->click();
    }
    TfrmArchivio w;
};

// Runs body on the modal window the next click opens, and closes the window
// afterwards if body left it open (a failed check returns early), so a
// failing test never hangs in exec().
inline void allApertura(std::function<void(QDialog*)> body)
{
    onNextModal([body](QWidget* w) {
        auto* d = qobject_cast<QDialog*>(w);
        QVERIFY2(d, "the modal window is not a dialog");
        body(d);
        if (d->isVisible())
            d->reject();
    });
}

template <typename T = QPushButton> T* figlio(QWidget* w, const char* nome)
{
    return child<T>(w, QString::fromLatin1(nome));
}

// The last file dialog the program asked for.
inline FileDialogSpec ultimoDialogo(ScriptedDialogs::What what)
{
    for (auto it = testDialogs().calls.crbegin(); it != testDialogs().calls.crend(); ++it)
        if (it->what == what)
            return it->file;
    return {};
}

} // namespace fixtures
