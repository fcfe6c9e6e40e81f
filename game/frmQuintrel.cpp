#include "game/frmQuintrel.h"

#include "assets/Art.h"
#include "game/CardPlace.h"
#include "platform/Platform.h"
#include "scores/frmHiScores.h"
#include "windows/frmMenu.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

// Positions are designed in twips; 15 twips make one pixel.
constexpr int px(int twips) { return twips / 15; }
QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

struct PlaceAt { int left, top; };
constexpr std::array<PlaceAt, game::PlaceCount> PlacePositions = {{
    {3960, 240},                                              // row 1
    {1680, 1080}, {3240, 1080}, {4680, 1080}, {6240, 1080},   // row 2
    {1080, 1920}, {2280, 1920}, {3960, 1920}, {5640, 1920}, {6840, 1920},
    {360, 2760}, {1560, 2760}, {2760, 2760}, {5160, 2760}, {6360, 2760}, {7560, 2760},
    {960, 3600}, {2160, 3600}, {5760, 3600}, {6960, 3600},
    {1560, 4440}, {6360, 4440},                                // row 6
    {4560, 5160},                                              // 22, the drawn card
    {3360, 5160},                                              // 23, the deck
}};

const QColor Blue(0, 0, 255);

} // namespace

frmQuintrel::frmQuintrel(platform::Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform), rules_(platform, this)
{
    setObjectName(QStringLiteral("frmQuintrel"));
    setWindowTitle(QStringLiteral("Quintrel"));
    setGeometry(px(1575), px(1005), px(8880), px(6795));
    setFixedSize(px(8880), px(6795));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Blue);
    setPalette(pal);

    // Places first, in index order, so that a higher index lies over a lower
    // one; the labels come after them and lie over the places.
    for (int i = 0; i < game::PlaceCount; ++i) {
        auto *place = new CardPlace(i, this);
        place->setObjectName(QStringLiteral("imgSpot%1").arg(i));
        place->move(px(PlacePositions[std::size_t(i)].left), px(PlacePositions[std::size_t(i)].top));
        connect(place, &CardPlace::clicked, this, [this](int index) { rules_.clickPlace(index); });
        imgSpot[std::size_t(i)] = place;
    }

    auto makeButton = [this](const char *name, const QString &caption, QRect geometry) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        b->setFont(art::font(art::FontFace::SansSerif, 8.25, false));
        return b;
    };
    cmdMenu = makeButton("cmdMenu", QStringLiteral("&Menu"), twips(120, 120, 1215, 495));
    cmdScores = makeButton("cmdScores", QStringLiteral("&High Scores"), twips(1680, 120, 1215, 495));
    cmdTake = makeButton("cmdTake", QStringLiteral("&Take Score"), twips(7560, 840, 1215, 495));
    cmdDeal = makeButton("cmdDeal", QStringLiteral("&Deal"), twips(3510, 4440, 975, 495));
    cmdExit = makeButton("cmdExit", QStringLiteral("&Exit"), twips(4560, 4440, 975, 495));

    auto makeLabel = [this](const char *name, const QString &caption, QRect geometry,
                            QColor colour, Qt::Alignment align, art::FontFace face,
                            double points) {
        auto *l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Blue);
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
        l->setAlignment(align | Qt::AlignTop);
        l->setFont(art::font(face, points, true));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    using art::FontFace;
    const QColor red(255, 0, 0), yellow(255, 255, 0), cyan(0, 255, 255), green(0, 255, 0);
    lblElevens = makeLabel("lblElevens", QStringLiteral("ELEVENS"), twips(120, 840, 1215, 375),
                           red, Qt::AlignHCenter, FontFace::Futura, 14.25);
    lblEleven = makeLabel("lblEleven", QStringLiteral("0"), twips(240, 1200, 735, 495), yellow,
                          Qt::AlignHCenter, FontFace::Times, 26.25);
    lblHigh = makeLabel("lblHigh", QStringLiteral("HIGH SCORE:"), twips(5400, 120, 1815, 255),
                        cyan, Qt::AlignLeft, FontFace::Futura, 12);
    lblHighScore = makeLabel("lblHighScore", QStringLiteral("200000"),
                             twips(7320, 120, 1095, 255), cyan, Qt::AlignLeft, FontFace::Futura, 12);
    lblBonusTxt = makeLabel("lblBonusTxt", QStringLiteral("CLEAR SCREEN"),
                            twips(2280, 1920, 4455, 615), green, Qt::AlignHCenter, FontFace::Futura, 24);
    lblBonusScore = makeLabel("lblBonusScore", QStringLiteral("90000"),
                              twips(3600, 2760, 1935, 615), cyan, Qt::AlignHCenter, FontFace::Futura, 24);
    lblRunTot = makeLabel("lblRunTot", QStringLiteral("11"), twips(4080, 3600, 855, 615), red,
                          Qt::AlignHCenter, FontFace::Futura, 26.25);
    lblCards = makeLabel("lblCards", QStringLiteral("CARDS LEFT:"), twips(2700, 5880, 615, 375),
                         red, Qt::AlignLeft, FontFace::Futura, 8.25);
    lblCards->setWordWrap(true);
    lblCardsLeft = makeLabel("lblCardsLeft", QStringLiteral("30"), twips(2880, 6360, 375, 255),
                             yellow, Qt::AlignHCenter, FontFace::Futura, 12);
    lblTime = makeLabel("lblTime", QStringLiteral("TIME LEFT:"), twips(360, 6000, 1455, 255), red,
                        Qt::AlignLeft, FontFace::Futura, 12);
    lblScore = makeLabel("lblScore", QStringLiteral("SCORE:"), twips(7080, 6000, 1215, 375), red,
                         Qt::AlignRight, FontFace::Futura, 14.25);
    lblScoreTot = makeLabel("lblScoreTot", QStringLiteral("200000"), twips(7080, 6360, 1335, 375),
                            green, Qt::AlignHCenter, FontFace::Futura, 15.75);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(twips(120, 6360, 2535, 315));
    ProgressBar1->setRange(0, 90);
    ProgressBar1->setValue(90);
    ProgressBar1->setTextVisible(false);

    setTabOrder(cmdMenu, cmdScores);
    setTabOrder(cmdScores, cmdTake);
    setTabOrder(cmdTake, cmdDeal);
    setTabOrder(cmdDeal, cmdExit);
    setTabOrder(cmdExit, ProgressBar1);

    // The round clock. A precise timer keeps its ticks on whole seconds from the
    // start, so a round does not drift.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { rules_.tick(); });

    connect(cmdDeal, &QPushButton::clicked, this, [this] { rules_.clickDeal(); });
    connect(cmdTake, &QPushButton::clicked, this, [this] { rules_.clickTake(); });
    connect(cmdExit, &QPushButton::clicked, this, &frmQuintrel::cmdExit_Click);
    connect(cmdMenu, &QPushButton::clicked, this, &frmQuintrel::cmdMenu_Click);
    connect(cmdScores, &QPushButton::clicked, this, &frmQuintrel::cmdScores_Click);

    rules_.Form_Load();
}

frmQuintrel::~frmQuintrel() = default;

frmHiScores &frmQuintrel::hiScores()
{
    if (!hiScores_)
        hiScores_ = std::make_unique<frmHiScores>(platform_, *this);
    return *hiScores_;
}

frmMenu &frmQuintrel::menu()
{
    if (!menu_)
        menu_ = std::make_unique<frmMenu>(platform_, *this);
    return *menu_;
}

QLabel *frmQuintrel::label(game::LabelId id) const
{
    switch (id) {
    case game::lblRunTot: return lblRunTot;
    case game::lblEleven: return lblEleven;
    case game::lblScoreTot: return lblScoreTot;
    case game::lblCardsLeft: return lblCardsLeft;
    case game::lblBonusTxt: return lblBonusTxt;
    case game::lblBonusScore: return lblBonusScore;
    case game::lblHighScore: return lblHighScore;
    case game::LabelCount: break;
    }
    return nullptr;
}

QPushButton *frmQuintrel::button(game::ButtonId id) const
{
    switch (id) {
    case game::cmdMenu: return cmdMenu;
    case game::cmdScores: return cmdScores;
    case game::cmdTake: return cmdTake;
    case game::cmdDeal: return cmdDeal;
    case game::cmdExit: return cmdExit;
    case game::ButtonCount: break;
    }
    return nullptr;
}

void frmQuintrel::placeChanged(int index)
{
    const game::Place &state = rules_.imgSpot[std::size_t(index)];
    CardPlace *place = imgSpot[std::size_t(index)];
    if (!place)
        return;
    if (place->isVisibleTo(this) != state.Visible)
        place->setMark({});
    place->setPicture(state.picture);
    place->setVisible(state.Visible);
    place->setEnabled(state.Enabled);
}

void frmQuintrel::labelChanged(game::LabelId id)
{
    if (QLabel *l = label(id)) {
        l->setText(rules_.label(id).text);
        l->setVisible(rules_.label(id).visible);
    }
}

void frmQuintrel::buttonChanged(game::ButtonId id)
{
    if (QPushButton *b = button(id))
        b->setVisible(rules_.buttonVisible[id]);
}

void frmQuintrel::progressChanged()
{
    if (ProgressBar1)
        ProgressBar1->setValue(qBound(0, rules_.ProgressBar1, 90));
}

void frmQuintrel::timerChanged()
{
    if (!Timer1)
        return;
    if (rules_.Timer1Enabled && !Timer1->isActive())
        Timer1->start();
    else if (!rules_.Timer1Enabled)
        Timer1->stop();
}

void frmQuintrel::drawMark(int place, bool red)
{
    imgSpot[std::size_t(place)]->setMark(red ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void frmQuintrel::HighScores(std::int32_t Score, std::int32_t &highscore)
{
    hiScores().HighScores(Score, highscore);
}

std::int32_t frmQuintrel::highScore() const { return rules_.highscore; }

void frmQuintrel::setHighScore(std::int32_t value) { rules_.setHighScore(value); }

void frmQuintrel::setTableEnabled(bool enabled) { setEnabled(enabled); }

void frmQuintrel::showTable()
{
    show();
    raise();
    activateWindow();
}

void frmQuintrel::showCardBack(int index) { rules_.showCardBack(index); }

void frmQuintrel::cmdExit_Click() { platform_.endProcess(); }

void frmQuintrel::cmdMenu_Click()
{
    setEnabled(false);
    menu().show();
    menu().raise();
    menu().activateWindow();
}

void frmQuintrel::cmdScores_Click()
{
    hiScores().showWindow();
    hiScores().GetScores();
    setEnabled(false);
}

void frmQuintrel::closeEvent(QCloseEvent *event)
{
    // Closing the table by its title bar ends the game like Exit, also in the
    // middle of a round or a count.
    event->accept();
    platform_.endProcess();
}
