#pragma once

namespace shell {

// The frames a screen's window can have.
enum class WindowKind {
    SizableNoMaximize, // resizable border; minimize and close; in the taskbar
    FixedSingle,       // thin fixed border; close only; in the taskbar
    FixedDialog,       // dialog border; close only; not in the taskbar
    Borderless,        // no frame, no caption bar; not in the taskbar
};

} // namespace shell
