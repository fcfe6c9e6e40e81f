#include "windows/frmAbout.h"

#include "assets/Art.h"
#include "platform/Platform.h"
#include "windows/Frame.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using frame::twips;

const QString frmAbout::Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

namespace sysinfo {

const QStringList &tools()
{
    // The desktops' own tools first, then general ones found on many systems.
    static const QStringList list = {
        QStringLiteral("kinfocenter"),          // KDE Plasma
        QStringLiteral("gnome-system-monitor"), // GNOME
        QStringLiteral("mate-system-monitor"),  // MATE
        QStringLiteral("xfce4-taskmanager"),    // Xfce
        QStringLiteral("lxtask"),               // LXDE
        QStringLiteral("qps"),                  // LXQt
        QStringLiteral("hardinfo"),
        QStringLiteral("hardinfo2"),
        QStringLiteral("gnome-system-info"),
    };
    return list;
}

QByteArray registryText(const QByteArray &buffer, int size)
{
    if (size <= 0)
        return {};
    size = qMin(size, int(buffer.size()));
    if (buffer.at(size - 1) == '\0')
        return buffer.left(size - 1);
    return buffer.left(size);
}

} // namespace sysinfo

frmAbout::frmAbout(platform::Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(false);
    setSizeGripEnabled(false);
    setWindowIcon(art::skullIcon());
    const QRect client = twips(3240, 2415, 5730, 3555);
    setGeometry(client);
    setFixedSize(client.size());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, frame::Blue);
    setPalette(p);

    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25, false);
    const QColor black(0, 0, 0);

    // Created in tab order: OK, the picture, System Info.
    cmdOK = frame::makeButton(this, "cmdOK", QStringLiteral("OK"), twips(4245, 2625, 1260, 345),
                              dialog);
    cmdOK->setDefault(true);

    // The skull inside a one-pixel border; the box fits its picture.
    picIcon = frame::makeSkullPicture(this, "picIcon", {});
    picIcon->setFrameStyle(QFrame::Box | QFrame::Plain);
    picIcon->setLineWidth(1);
    picIcon->setAlignment(Qt::AlignCenter);
    frame::colour(picIcon, black, frame::windowBackground());
    picIcon->setGeometry(frame::px(240), frame::px(240), 75 + 2, 100 + 2);

    cmdSysInfo = frame::makeButton(this, "cmdSysInfo", QStringLiteral("&System Info..."),
                                   twips(4260, 3075, 1245, 345), dialog);

    lblTitle = frame::makeLabel(this, "lblTitle", QString(), twips(1680, 240, 2085, 480), black,
                                Qt::AlignLeft, art::font(art::FontFace::Futura, 12, true));
    lblVersion = frame::makeLabel(this, "lblVersion", QString(), twips(1650, 780, 3285, 225),
                                  black, Qt::AlignLeft, dialog);
    lblDescription = frame::makeLabel(
        this, "lblDescription",
        QStringLiteral("Quintrel is a simple card game that requires a little forethought before "
                       "making your moves."),
        twips(1620, 1125, 3315, 1170), black, Qt::AlignLeft, dialog);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    using platform::Platform;
    setWindowTitle(QStringLiteral("About ") + Platform::title());
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(Platform::versionMajor)
                            .arg(Platform::versionMinor)
                            .arg(Platform::versionRevision));
    lblTitle->setText(Platform::title());
}

void frmAbout::cmdOK_Click()
{
    if (closing_)
        return;
    closing_ = true;
    hide();
    deleteLater();
    emit closed();
}

void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

#ifdef Q_OS_WIN

bool frmAbout::GetKeyValue(HKEY KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    HKEY hKey = nullptr;
    const QByteArray key = KeyName.toLocal8Bit();
    const QByteArray value = SubKeyRef.toLocal8Bit();
    if (RegOpenKeyExA(KeyRoot, key.constData(), 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) {
        KeyVal.clear();
        if (hKey)
            RegCloseKey(hKey);
        return false;
    }
    QByteArray buffer(1024, '\0');
    DWORD size = 1024;
    DWORD type = 0;
    if (RegQueryValueExA(hKey, value.constData(), nullptr, &type,
                         reinterpret_cast<LPBYTE>(buffer.data()), &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        RegCloseKey(hKey);
        return false;
    }
    const QByteArray text = sysinfo::registryText(buffer, int(size));
    // Both callers read strings; other kinds of value give an empty text.
    KeyVal = type == REG_SZ ? QString::fromLocal8Bit(text) : QString();
    RegCloseKey(hKey);
    return true;
}

namespace {

// The path of the system information tool from the registry, started.
bool startFromRegistry(platform::Platform &platform)
{
    QString SysInfoPath;
    if (!frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE,
                               QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                               QStringLiteral("PATH"), SysInfoPath)) {
        if (!frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE,
                                   QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                   QStringLiteral("MSINFO"), SysInfoPath))
            return false;
        SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
        if (!QFileInfo(SysInfoPath).isFile())
            return false;
    }
    return platform.startDetached(SysInfoPath, {});
}

} // namespace

void frmAbout::StartSysInfo()
{
    bool started = false;
    try {
        started = startFromRegistry(platform_);
    } catch (...) {
        started = false;
    }
    if (!started)
        platform_.messageBox(Unavailable, platform::Buttons::Ok, platform::Icon::None,
                             platform::Platform::title());
}

#else

void frmAbout::StartSysInfo()
{
    // No registry here: the desktop's own system information tool, if one is
    // installed.
    for (const QString &tool : sysinfo::tools()) {
        const QString path = platform_.findExecutable(tool);
        if (path.isEmpty())
            continue;
        if (platform_.startDetached(path, {}))
            return;
        break;
    }
    platform_.messageBox(Unavailable, platform::Buttons::Ok, platform::Icon::None,
                         platform::Platform::title());
}

#endif

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(frame::px(90), frame::px(2445), frame::px(5654), frame::px(2445));
}
