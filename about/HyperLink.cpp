#include "about/HyperLink.h"

#include "shell/MessageBox.h"

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
        shell::MsgBox(m_owner, {QStringLiteral("Error jumping to:") + Link, QStringLiteral("Warning"),
                                shell::MessageIcon::Warning});
    } catch (...) {
    }
}

} // namespace about
