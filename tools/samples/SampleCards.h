#pragma once

#include <QImage>
#include <QString>

// Sample cards for the pictures of the program's windows (the gallery and the
// printable guide): they go into the record files of the current program
// folder, which must not hold those categories' cards yet.
namespace SampleCards {

// A household's waste-tax bills over three years, each with its photo.
void writeRifiuti();
// A few purchases, each with its photo.
void writeAcquisti();

// A scanned paper receipt, drawn: what the photo of a card looks like.
QImage receipt(const QString& heading, const QString& amount);

} // namespace SampleCards
