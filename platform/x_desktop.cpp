#include "platform/x_desktop.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform {

namespace {

/// The display for one call, closed when it goes; empty without a display.
class XConnection {
public:
    XConnection() : m_display(XOpenDisplay(nullptr)) {}
    ~XConnection()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* display() const { return m_display; }
    /// True when the display is open and its server has the keyboard extension, without which
    /// a keyboard request would be a protocol error that ends the process.
    bool hasXkb() const
    {
        if (!m_display)
            return false;
        int opcode = 0;
        int event = 0;
        int error = 0;
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        return XkbQueryExtension(m_display, &opcode, &event, &error, &major, &minor);
    }

private:
    Display* m_display;
};

} // namespace

bool ringXBell()
{
    const XConnection x;
    if (!x.display())
        return false;
    XBell(x.display(), 0); // the bell at its base volume
    XFlush(x.display());
    return true;
}

QString xkbConfiguredLayouts()
{
    const XConnection x;
    if (!x.hasXkb())
        return {};
    // The desktop records the keyboard map it configured in this root window property: the NUL
    // separated texts rules, model, layouts, variants and options.
    const Atom names = XInternAtom(x.display(), "_XKB_RULES_NAMES", True);
    if (names == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    constexpr long maxLongs = 1024; // 4 KiB, far above any keyboard description
    const int status =
        XGetWindowProperty(x.display(), DefaultRootWindow(x.display()), names, 0, maxLongs, False,
                           XA_STRING, &type, &format, &count, &remaining, &data);
    if (status != Success || !data)
        return {};
    QString layouts;
    if (type == XA_STRING && format == 8) {
        const auto* text = reinterpret_cast<const char*>(data);
        unsigned long field = 0;
        unsigned long start = 0;
        for (unsigned long i = 0; i < count; ++i) {
            if (text[i] != '\0')
                continue;
            if (field == 2) {
                layouts = QString::fromLatin1(text + start, static_cast<qsizetype>(i - start));
                break;
            }
            ++field;
            start = i + 1;
        }
    }
    XFree(data);
    return layouts;
}

bool lockXkbGroup(int group)
{
    const XConnection x;
    if (!x.hasXkb() || group < 0 || group >= XkbNumKbdGroups)
        return false;
    XkbLockGroup(x.display(), XkbUseCoreKbd, static_cast<unsigned int>(group));
    XFlush(x.display());
    return true;
}

} // namespace platform
