#pragma once

#include <QImage>
#include <QString>

// The photo of the card on display, without widgets: the picture shown,
// whether it is the category's placeholder, and what a save may do with the
// card's photo file.
//
// A stored photo that exists but could not be read is never overwritten by a
// save (the placeholder shown in its place would destroy it), unless the user
// put another picture on the card, or cleared it, meanwhile.
class CardPhoto {
public:
    // A card not stored yet (blank or duplicated): the placeholder, which the
    // first save writes as the card's photo.
    void blank(const QImage& placeholder);
    // The card's stored photo as read: null when there is none or it could
    // not be read; `fileExists` when its file is there all the same.
    void read(const QImage& stored, bool fileExists, const QImage& placeholder);
    // The user put a picture on the card (loaded, captured), taken from the
    // PDF document at `document` when there is one. A null image changes
    // nothing and gives false.
    bool replace(const QImage& picture, const QString& document = QString());
    // The user cleared the picture: the placeholder stands in until saved.
    void clear(const QImage& placeholder);
    // A save wrote the picture as the card's photo.
    void written();

    // Whether a save may write the picture over the card's photo file.
    bool mayWrite() const { return !unreadable_ || replaced_; }
    const QImage& image() const { return image_; }
    bool isPlaceholder() const { return placeholder_; }
    // The PDF document the picture is page 1 of, while the picture stays;
    // empty for any other picture, and once the card or its picture changes.
    const QString& document() const { return document_; }

private:
    void show(const QImage& image, bool placeholder);

    QImage image_;
    QString document_;
    bool placeholder_ = true;
    bool unreadable_ = false; // the stored photo exists and could not be read
    bool replaced_ = false; // the user changed the picture since it was read or written
};
