#pragma once
// The whole data file as YAML text: the receiver version, channels, band plan, skip
// frequencies, search limits, presets, dual watch pairs and every setting, under the names the
// pages show, in a fixed order, one record a line, so two dumps diff line by line.
//
//     QByteArray text = configtext::Dump(radio.EditImage());
//     configtext::Applied out = configtext::Apply(text, &base); // or nullptr: a new data set
//     if (!out.Ok()) show(out.error);                          // "line 12: channels: mode: ..."
//
// Every value is held to the rule its page applies. Whatever the named values cannot express
// (bytes no page shows, a value no page would accept) is listed under "raw" as the bytes that
// differ from a new data set with those values, so Apply(Dump(image)) gives image back byte for
// byte. Bytes the text covers neither way come from the base.

#include "radio/Radio.h"

#include <QByteArray>
#include <QString>

namespace configtext {

QByteArray Dump(const Image& image);

struct Applied {
    Image image{};
    QString error; // "line N: key: problem"; empty when the text was applied
    bool Ok() const { return error.isEmpty(); }
};

// The text applied onto base, or without one onto a new data set of the text's receiver
// version. On error the image is not to be used.
Applied Apply(const QByteArray& text, const Image* base = nullptr);

// A data set as New makes it for a receiver version, without the stored settings.
Image NewDataImage(int country, int wideband);

// Larger texts are refused unread.
inline constexpr qsizetype kMaxTextSize = 8 * 1024 * 1024;

} // namespace configtext
