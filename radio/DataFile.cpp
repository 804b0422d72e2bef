#include "radio/Radio.h"

// Placeholder until the data file lands.
void CRadio::NewImage() {}
bool CRadio::LoadFile(const QString&) {
    return false;
}
void CRadio::OnFileOpen() {}
bool CRadio::OnFileSave() {
    return false;
}
bool CRadio::OnFileSaveAs() {
    return false;
}
void CRadio::ShowFileMessage(const QString&) {}
void CRadio::RememberFolder(const QString&) {}
bool CRadio::WriteSavedImage(const QString&) {
    return false;
}
