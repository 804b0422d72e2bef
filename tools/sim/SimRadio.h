#pragma once
// The simulated receiver's two clone roles, with the faults the tests ask for.

#include "SimWire.h"

#include <QList>
#include <QString>
#include <vector>

struct SimOptions {
    enum class Role { Send, Receive };
    Role role = Role::Send;
    QString file;
    int baud = 0;
    int startDelayMs = 300;
    int waitOpenMs = 30000;
    int replyWaitMs = 5000;
    // Faults; frames count from 0 (the start frame) in the order they cross the wire.
    int badChecksumAt = -1;
    int silenceAfter = -1;
    int refuseAt = -1;
    int refuseReason = 0x80;
    int badReplyAt = -1;
    int badReplyByte = 0x07;
    bool noEcho = false;
    bool noReply = false;
    QList<int> pieces;
    int pieceGapMs = 20;
    int extraFrames = 0;
    int secondStartAt = -1;
    int kindAt = -1;
    int kindByte = 0x07;
    int vanishAt = -1;
    int country = -1;  // overrides the file's country byte when sending
    int wideband = -1; // likewise
};

// Runs the role; returns the process exit code (0 the transfer completed).
int RunSimulator(const SimOptions& options, SimWire& wire);

// The radio data file's whole image, or an empty vector with a reason in error.
std::vector<Byte> LoadRdf(const QString& path, QString& error);
// Writes image (a whole data file image) to path; false on error.
bool SaveRdf(const QString& path, const std::vector<Byte>& image);
