#pragma once
// Helpers for playing the table rules without a window.

#include "game/GameTable.h"
#include "support/FakePlatform.h"

#include <QList>

#include <initializer_list>
#include <set>

// A view that remembers what the rules asked of the window.
struct RecordingView : game::TableView {
    struct Mark { int place; bool red; };
    QList<Mark> marks;
    QList<std::int32_t> offered;   // scores handed to the high score table
    std::int32_t raiseTo = -1;     // best score the table sets, if any
    void placeChanged(int) override {}
    void labelChanged(game::LabelId) override {}
    void buttonChanged(game::ButtonId) override {}
    void progressChanged() override {}
    void timerChanged() override {}
    void drawMark(int place, bool red) override { marks.append({place, red}); }
    void HighScores(std::int32_t score, std::int32_t &highscore) override
    {
        offered.append(score);
        if (raiseTo >= 0)
            highscore = raiseTo;
    }
};

struct Table {
    FakePlatform platform;
    RecordingView view;
    game::GameTable t{platform, &view};

    Table() { t.Form_Load(); }

    // Deals a round whose deck starts with `first` (deck positions 1, 2, ...);
    // the other card numbers follow in increasing order.
    void deal(std::initializer_list<int> first)
    {
        std::set<int> used(first.begin(), first.end());
        int p = 1;
        for (int card : first)
            t.deck.Deck[std::size_t(p++)] = std::int16_t(card);
        for (int card = 1; card <= 52; ++card)
            if (!used.count(card))
                t.deck.Deck[std::size_t(p++)] = std::int16_t(card);
        t.ReSetCards();
        t.FillSpots();
        t.TimeLeft = 90;
        t.Score = 0;
    }

    // Empties table places as if their cards had been removed.
    void empty(std::initializer_list<int> places)
    {
        for (int p : places)
            t.imgSpot[std::size_t(p)].Visible = false;
        t.EnableOpenCards();
    }

    int card(int place) const { return t.imgSpot[std::size_t(place)].Tag.toInt(); }
    bool shows(int place) const { return t.imgSpot[std::size_t(place)].Visible; }
    bool open(int place) const
    {
        return t.imgSpot[std::size_t(place)].Visible && t.imgSpot[std::size_t(place)].Enabled;
    }
    QString text(game::LabelId id) const { return t.label(id).text; }
};

// Card numbers of a given game value in the spades suit (1 to 10); aces also at 11 to 13.
constexpr int spade(int value) { return value; }
constexpr int heart(int value) { return 13 + value; }
constexpr int club(int value) { return 26 + value; }
constexpr int diamond(int value) { return 39 + value; }
