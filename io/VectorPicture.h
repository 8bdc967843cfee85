// SPDX-License-Identifier: MIT
// The picture as a vector drawing: the picture alone written straight as SVG or PDF, the full
// graph with its labels painted through Qt's SVG generator or PDF writer.
#pragma once

#include "io/Codec.h"
#include "io/GraphImage.h"
#include "io/PictureNames.h"
#include "render/canvas/PictureRecorder.h"

#include <QImage>

#include <string>

class QPainter;

// Whether replaying the record on a pixel canvas gives exactly `picture`: only then may the
// record stand for it.
bool RecordMatchesPicture(const PictureRecorder& recorder, const QImage& picture);

// Paints the picture at the painter's origin: the recorded shapes, lines and letters when the
// record matches it, the picture as an image otherwise.
void PaintVectorPicture(QPainter& painter, const QImage& picture, const PictureRecorder& recorder);

// The picture drawn again at scale times its size (1 to 4), as sharp as the screen's own
// letters and lines: the record replayed as shapes when it matches the picture, the picture
// enlarged pixel by pixel otherwise. The full graph likewise, with its title and labels.
inline constexpr int MaxPictureScale = 4;
QImage ScaledPicture(const QImage& picture, const PictureRecorder& recorder, int scale);
QImage ScaledFullGraph(const Program& p, const FullGraphLabels& labels, int scale);
// The raster picture a save writes: the captured picture, or with `full` the full graph, at
// scale 1 as they are and larger drawn again as above.
QImage PictureAtScale(const Program& p, const FullGraphLabels& labels, bool full, int scale);

// The SVG or PDF document of the picture alone: its record drawn as shapes, lines and letters
// when the record matches it, the picture as an image otherwise.
FileResult EncodeVectorPicture(PictureFormat format, const QImage& picture,
                               const PictureRecorder& recorder, std::string& out);

// The SVG or PDF document of the full graph with its title and labels.
FileResult EncodeVectorFullGraph(PictureFormat format, const Program& p,
                                 const FullGraphLabels& labels, std::string& out);

// Writes the picture (Save Only inside rectangle), or the full graph with its title and
// labels, as an SVG or PDF file through WriteFileSafely: the whole file or none.
FileResult SaveVectorPicture(const std::string& path, PictureFormat format, const QImage& picture,
                             const PictureRecorder& recorder);
FileResult SaveVectorFullGraph(const std::string& path, PictureFormat format, const Program& p,
                               const FullGraphLabels& labels);
