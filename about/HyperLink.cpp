#include "about/HyperLink.h"

#include "shell/MessageBox.h"

#include <QCoreApplication>

namespace about {

CHYPERLINK::CHYPERLINK(LinkOpener& opener, QWidget* owner) : m_opener(opener), m_owner(owner) {}

void CHYPERLINK::ExecuteLink(const QString& pstrLINK) noexcept {
    try {
        if (!pstrLINK.isEmpty())
            Link = pstrLINK;
        if (Link.isEmpty())
            return;
    } catch (...) {
        return;
    }
    bool opened = false;
    try {
        opened = m_opener.open(Link);
    } catch (...) {
        // A handler that fails loudly has failed all the same.
    }
    if (opened)
        return;
    try {
        //: %1 is the web address, which follows the colon directly.
        shell::MsgBox(
            m_owner,
            {QCoreApplication::translate("about::CHYPERLINK", "Error jumping to:%1").arg(Link),
             QCoreApplication::translate("about::CHYPERLINK", "Warning"),
             shell::MessageIcon::Warning});
    } catch (...) {
    }
}

} // namespace about
