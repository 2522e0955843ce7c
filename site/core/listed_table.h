// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A live table as the lobbies of every process of a site see it through the database.
struct ListedTable {
    QString id;
    QString process;  // the process that holds it
    int language = 1;
    int letters = 8;
    int seconds = 60;
    int level = 2;
    int humans = 0;
    int free = 0;
    bool playing = false;

    bool operator==(const ListedTable&) const = default;
};
