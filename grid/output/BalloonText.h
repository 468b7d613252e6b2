#pragma once
// What a cell balloon may show. The balloon window keeps a buffer of 2048
// characters and a title of 100: a longer text or title is cut there with
// "..." so nothing longer ever reaches the window.

#include <string>

constexpr size_t kBalloonTextLimit = 2048;
constexpr size_t kBalloonTitleLimit = 100;

// Tabs become blanks; leading line breaks and tabs go; a text longer than
// the limit keeps its first 2045 characters followed by "...".
std::string BalloonText(const std::string& Text);
// " " for an empty title; longer than the limit: 97 characters and "...".
std::string BalloonTitle(const std::string& Title);
