#pragma once
// Finished button pictures kept for the next paint in the same look. A hover paints a button in one
// of a few looks over and over (under the mouse, normal, pressed), each over the same background;
// kept, each repaint is one copy instead of the background copy, the frame and the caption's text
// passes. A few pictures are kept for the whole program, the least recently used one is reused.

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "settings/fontpool.h"
#include "widgets/lookstamp.h"

// Everything a kept picture was drawn from. A button renews its stamp on every change of its
// settings and caption effect; a background buffer renews its own when it is drawn into.
struct TButtonLookKey {
    uint64_t buttonStamp = 0, backgroundStamp = 0;
    POINT background{};  // where the button's top-left lies in the background buffer
    int width = 0, height = 0;
    int style = 0, state = 0;
    bool mouseOver = false, enabled = false;
    TFontKey font{};
    COLORREF colours[8]{};  // the caption's, the face's, the effect's and the system colours drawn with
    std::string caption;
    bool operator==(const TButtonLookKey& other) const;
};

class TButtonLooks {
public:
    // The memory context holding the picture drawn from key, or nullptr when none is kept.
    HDC Find(const TButtonLookKey& key);
    // A memory context with a picture of the key's size to draw the look into (contents undefined),
    // kept under key from now on; nullptr when the system has no context or bitmap to give.
    HDC Add(const TButtonLookKey& key);
    // Forgets the picture under key (it was not drawn after all).
    void Drop(const TButtonLookKey& key);

private:
    // A picture selected into a memory context of its own, so that a copy needs no selection.
    struct Entry {
        TButtonLookKey key;
        UniqueMemoryDC dc;
        UniqueBitmap bitmap;
        ScopedSelect selected;  // bitmap in dc
        int width = 0, height = 0;
        uint64_t used = 0;
        bool valid = false;
    };
    // Gives the entry a picture of the size (keeping one of that size); false when none can be made.
    bool Resize(Entry& entry, int width, int height);

    static constexpr int kKept = 4;
    Entry entries_[kKept];
    uint64_t clock_ = 0;
    bool made_ = false;
};

// The program's one set of kept pictures.
TButtonLooks& ButtonLooks();
