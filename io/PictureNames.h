// SPDX-License-Identifier: MIT
// Which picture format a file name stands for: the window's Open and Save rules, and the
// command line's rule, plus the names the value listing window uses.
#pragma once

#include <string>

// Obj and Stl are the meshes of the picture's surfaces that the command line writes beside the
// pictures.
enum class PictureFormat { Unknown, Bmp, Png, Jpeg, Gif, Svg, Pdf, Obj, Stl };

// The window's Open: ".bmp", ".jpg", ".jpeg", ".gif" and ".png" in any case; Unknown otherwise
// (refused with OpenRefusal).
PictureFormat openFormatOf(const std::string& name);
extern const char* const OpenRefusal;

// The window's Save: the format and the name actually written, the extension read in any case.
// ".jpg" and ".jpeg" write a JPEG named .jpg; ".gif" a GIF named .gif; ".png" a PNG named .png;
// anything else, no extension included, a bitmap named .bmp.
struct SaveTarget {
  PictureFormat format = PictureFormat::Bmp;
  std::string path;
};
SaveTarget saveTargetOf(const std::string& chosen);

// The command line: by extension in any case, the meshes' .obj and .stl included.
PictureFormat pictureFormatOf(const std::string& path);

// The extension of a path's last component, from its last dot, dot included; empty when the
// file name has none (a dot in a folder name does not count).
std::string extensionOf(const std::string& path);

// The value listing: its file name before any save, whether Save must ask for a name, and the
// window caption after saving to a path.
extern const char* const NoTitle;
bool listingSaveNeedsName(const std::string& listFileName);
std::string listingCaptionFor(const std::string& path);
