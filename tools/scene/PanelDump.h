#pragma once
// What the drawing panel holds: every component it owns, in ownership order,
// with its place, text, font, glow and animations.

#include <QJsonArray>

class TPanel;

QJsonArray PanelJson(const TPanel& panel);
