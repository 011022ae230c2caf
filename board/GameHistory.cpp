// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/GameHistory.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <set>

namespace {

constexpr std::string_view kindNames[] = {"standard", "daily", "relaxed"};

std::string OneField(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

bool Number(std::string_view field, std::uint32_t& out)
{
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), out);
    return error == std::errc() && end == field.data() + field.size() && !field.empty();
}

// Days since 1970-01-01 of "YYYY-MM-DD..." , or nothing for another text.
std::optional<int> DayNumber(std::string_view date)
{
    std::uint32_t year = 0, month = 0, day = 0;
    if (date.size() < 10 || date[4] != '-' || date[7] != '-' || !Number(date.substr(0, 4), year) ||
        !Number(date.substr(5, 2), month) || !Number(date.substr(8, 2), day)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year(static_cast<int>(year)), std::chrono::month(month),
                                          std::chrono::day(day)};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days(ymd).time_since_epoch().count();
}

}  // namespace

std::string HistoryLine(const FinishedGame& game)
{
    std::string line = "1";
    const auto add = [&line](const std::string& field) { line += '\t' + OneField(field); };
    add(game.ended);
    add(game.dictionary);
    add(std::string(kindNames[static_cast<int>(game.kind)]));
    for (const std::uint32_t number : {game.score, game.words, game.bestValue, game.livesEarned, game.seconds}) {
        add(std::to_string(number));
    }
    add(game.bestWord);
    add(game.longestWord);
    return line + '\n';
}

std::vector<FinishedGame> ReadHistory(std::string_view text, std::size_t& damaged)
{
    std::vector<FinishedGame> games;
    damaged = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) {
            continue;
        }
        std::vector<std::string_view> fields;
        for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1)) {
            fields.push_back(line.substr(0, tab));
        }
        fields.push_back(line);
        FinishedGame game;
        const auto kind = fields.size() == 11 ? std::find(std::begin(kindNames), std::end(kindNames), fields[3])
                                              : std::end(kindNames);
        bool ok = fields.size() == 11 && fields[0] == "1" && kind != std::end(kindNames) && DayNumber(fields[1]);
        std::uint32_t* numbers[] = {&game.score, &game.words, &game.bestValue, &game.livesEarned, &game.seconds};
        for (std::size_t i = 0; ok && i < std::size(numbers); ++i) {
            ok = Number(fields[4 + i], *numbers[i]);
        }
        if (!ok) {
            ++damaged;
            continue;
        }
        game.ended = fields[1];
        game.dictionary = fields[2];
        game.kind = static_cast<GameKind>(kind - std::begin(kindNames));
        game.bestWord = fields[9];
        game.longestWord = fields[10];
        games.push_back(std::move(game));
    }
    return games;
}

GameStatistics CountGames(const std::vector<FinishedGame>& history, std::string_view dictionary, GameKind kind,
                          std::string_view today)
{
    GameStatistics counts;
    std::vector<std::uint32_t> scores;
    std::set<int> days;
    for (const FinishedGame& game : history) {
        if (game.dictionary != dictionary || game.kind != kind) {
            continue;
        }
        ++counts.games;
        counts.seconds += game.seconds;
        counts.words += game.words;
        counts.livesEarned += game.livesEarned;
        scores.push_back(game.score);
        if (game.longestWord.size() > counts.longestWord.size()) {
            counts.longestWord = game.longestWord;
        }
        if (game.bestValue > counts.bestValue) {
            counts.bestValue = game.bestValue;
            counts.bestWord = game.bestWord;
        }
        days.insert(*DayNumber(game.ended));
    }
    if (scores.empty()) {
        return counts;
    }
    counts.recentScores.assign(scores.end() - static_cast<std::ptrdiff_t>(std::min<std::size_t>(scores.size(), 100)),
                               scores.end());
    double sum = 0;
    for (const std::uint32_t score : scores) {
        sum += score;
    }
    counts.meanScore = sum / static_cast<double>(scores.size());
    std::sort(scores.begin(), scores.end());
    counts.bestScore = scores.back();
    const std::size_t middle = scores.size() / 2;
    counts.medianScore =
        scores.size() % 2 != 0 ? scores[middle] : (static_cast<double>(scores[middle - 1]) + scores[middle]) / 2;
    if (kind == GameKind::Daily) {
        std::uint32_t run = 0;
        int last = 0;
        for (const int day : days) {
            run = run != 0 && day == last + 1 ? run + 1 : 1;
            last = day;
            counts.bestStreak = std::max(counts.bestStreak, run);
        }
        const int now = DayNumber(today).value_or(0);
        counts.currentStreak = last == now || last == now - 1 ? run : 0;
    }
    return counts;
}
