#include "about/PlatformServices.h"

#include <QDesktopServices>
#include <QUrl>

#ifdef Q_OS_WIN
#include "about/WindowsServices.h"
#else
#include "about/RegistryStandIn.h"
#endif

namespace about {

namespace {

class DesktopLinkOpener : public LinkOpener {
public:
    bool open(const QString& address) override {
        // Like the desktop shell, take "www.example.org" as well as a full address.
        const QUrl url = QUrl::fromUserInput(address);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};

} // namespace

SystemServices& platformSystemServices() {
#ifdef Q_OS_WIN
    static WindowsServices services;
#else
    static RegistryStandIn services;
#endif
    return services;
}

LinkOpener& desktopLinkOpener() {
    static DesktopLinkOpener opener;
    return opener;
}

} // namespace about
