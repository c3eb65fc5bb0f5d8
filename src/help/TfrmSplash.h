#pragma once

#include "help/HelpDialog.h"

#include <QUrl>

// The presentation window: the maker's picture and a link to the maker's web
// site.
class TfrmSplash : public HelpDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {661, 467};
    static constexpr QSize PanelSize {625, 431};

    explicit TfrmSplash(QWidget* owner = nullptr);

    static QUrl SitoWeb();

    // Opens the window owned by `owner`, modally; returns when it has gone.
    static void Mostra(QWidget* owner);

public Q_SLOTS:
    void lnkWebClick() override;
};
