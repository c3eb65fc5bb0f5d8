#pragma once

#include <QImage>
#include <QSize>

// The pictures of the webcam window and of the attachments dialog, drawn with
// QPainter when asked for.
namespace DialogPictures {

constexpr QSize WebcamSize {366, 274};
constexpr QSize AttachSteps {543, 49};

// A webcam on its stand: the live image before the camera delivers a frame.
QImage webcam(const QSize& size = WebcamSize);
// A photo camera: the captured image before anything is captured.
QImage photoCamera(const QSize& size = WebcamSize);
// The three steps of attaching a file: "Sfoglia...", "Applica e chiudi", then
// the archive screen's save button; and "Apri" opens a file.
QImage attachSteps(const QSize& size = AttachSteps);

} // namespace DialogPictures
