#pragma once
// A web address the user can jump to. Link keeps the last address given; ExecuteLink opens it
// with the desktop's default handler or warns the user, and never lets an error escape.

#include "about/PlatformServices.h"

class QWidget;

namespace about {

class CHYPERLINK {
public:
    explicit CHYPERLINK(LinkOpener& opener = desktopLinkOpener(), QWidget* owner = nullptr);

    QString Link;

    // An empty argument opens the address stored earlier, if there is one.
    void ExecuteLink(const QString& pstrLINK) noexcept;

private:
    LinkOpener& m_opener;
    QWidget* m_owner;
};

} // namespace about
