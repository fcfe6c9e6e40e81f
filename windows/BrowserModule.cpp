// The entry point of the quintrel_browser module.

#include "windows/BrowserWindow.h"
#include "windows/frmBrowser.h"

#include <QObject>

class QuintrelBrowserModule : public QObject, public BrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUINTREL_BROWSER_MODULE_IID)
    Q_INTERFACES(BrowserModule)
public:
    BrowserWindow *createBrowser() override { return new frmBrowser; }
};

#include "BrowserModule.moc"
