// The entry point of the quintrel_browser module.

#include "windows/BrowserWindow.h"
#include "windows/frmBrowser.h"

#include <QObject>

class QuintrelBrowserModule : public QObject, public BrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUINTREL_BROWSER_MODULE_IID)
    Q_INTERFACES(BrowserModule)
public:
    BrowserWindow *createBrowser() override
    {
        // The engine tells a screen reader what a page holds only when asked
        // to before it starts; without it a page reads as an empty document.
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
            qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
        return new frmBrowser;
    }
};

#include "BrowserModule.moc"
