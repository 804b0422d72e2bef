#pragma once
// What the page tests share: a model on a fresh settings folder, the four receiver versions and
// their default images, a data set of random bytes, and the focus change that ends an edit.

#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QWidget>
#include <random>

struct Version {
    const char* name;
    int country;
    int wideband;
};
// Japan, ham-band, wideband and general default images, in that order.
inline constexpr Version kVersions[] = {
    {"Japan", 0, 0}, {"HamBand", 1, 0}, {"Wideband", 0, 1}, {"General", 4, 0}};

class PageModel {
public:
    PageModel() { radio.SetPrompt(&prompt); }
    // A new data set for a receiver version, as the program makes one.
    void NewFor(const Version& v) {
        WriteCountrySettings(v.country, v.wideband);
        radio.NewImage();
    }
    void FillRandom(unsigned seed) {
        std::mt19937 gen(seed);
        Image image;
        for (Byte& b : image)
            b = static_cast<Byte>(gen());
        radio.SetEditImage(image);
        radio.MarkSaved();
    }
    Byte* ri() { return radio.EditRadio(); }

    TempSettings settings;
    ScriptedPrompt prompt;
    CVR500Radio radio;
};

inline void LoseFocus(QWidget* w) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
}

// The name a screen reader says for w. On Linux a combo box's own name is its current text and
// its label comes through the label relation, which a QLabel buddy provides.
inline QString SpokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    if (qobject_cast<QComboBox*>(w)) {
        const auto labels = a->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return a->text(QAccessible::Name);
}

// Pairs of controls below a shown root that lie on top of each other; a control left out of
// the layout sits in the top left corner over another.
template <typename... Kinds> QStringList OverlappingControls(QWidget* root) {
    root->resize(root->sizeHint());
    root->show();
    QApplication::processEvents();
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if ((qobject_cast<Kinds*>(w) || ...) && w->isVisibleTo(root))
            controls << w;
    }
    QStringList overlaps;
    for (int i = 0; i < controls.size(); ++i) {
        const QRect a(controls[i]->mapTo(root, QPoint()), controls[i]->size());
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect b(controls[j]->mapTo(root, QPoint()), controls[j]->size());
            if (a.intersects(b) && !controls[i]->isAncestorOf(controls[j]) &&
                !controls[j]->isAncestorOf(controls[i]))
                overlaps << SpokenName(controls[i]) + " / " + SpokenName(controls[j]);
        }
    }
    return overlaps;
}

// The input controls below root that a screen reader could not name.
template <typename... Kinds> QStringList UnnamedControls(QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!(qobject_cast<Kinds*>(w) || ...))
            continue;
        if (SpokenName(w).isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className());
    }
    return unnamed;
}
