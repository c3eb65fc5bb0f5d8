#include "editor/CardPhoto.h"

void CardPhoto::show(const QImage& image, bool placeholder)
{
    image_ = image;
    placeholder_ = placeholder;
    document_.clear();
}

void CardPhoto::blank(const QImage& placeholder)
{
    show(placeholder, true);
    unreadable_ = false;
    replaced_ = true;
}

void CardPhoto::read(const QImage& stored, bool fileExists, const QImage& placeholder)
{
    replaced_ = false;
    unreadable_ = stored.isNull() && fileExists;
    if (stored.isNull())
        show(placeholder, true);
    else
        show(stored, false);
}

bool CardPhoto::replace(const QImage& picture, const QString& document)
{
    if (picture.isNull())
        return false;
    show(picture, false);
    document_ = document;
    replaced_ = true;
    return true;
}

void CardPhoto::clear(const QImage& placeholder)
{
    show(placeholder, true);
    replaced_ = true;
}

void CardPhoto::written()
{
    unreadable_ = false;
    replaced_ = false;
}
