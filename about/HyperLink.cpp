#include "about/HyperLink.h"

#include "shell/MessageBox.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace about {

CHYPERLINK::CHYPERLINK(LinkOpener& opener, QWidget* owner) : m_opener(opener), m_owner(owner) {}

void CHYPERLINK::ExecuteLink(const QString& pstrLINK) noexcept {
    std::function<void()> warn;
    try {
        if (!pstrLINK.isEmpty())
            Link = pstrLINK;
        if (Link.isEmpty())
            return;
        // Also run when the handler gives up after it was started, over the window that asked
        // if it is still there: this object is long gone by then.
        warn = [address = Link, owner = QPointer<QWidget>(m_owner)] {
            try {
                //: %1 is the web address, which follows the colon directly.
                shell::MsgBox(owner,
                              {QCoreApplication::translate("about::CHYPERLINK", "Error jumping to:%1").arg(address),
                               QCoreApplication::translate("about::CHYPERLINK", "Warning"),
                               shell::MessageIcon::Warning});
            } catch (...) {
            }
        };
    } catch (...) {
        return;
    }
    bool opened = false;
    try {
        opened = m_opener.openWatched(Link, warn);
    } catch (...) {
        // A handler that fails loudly has failed all the same.
    }
    if (!opened)
        warn();
}

} // namespace about
