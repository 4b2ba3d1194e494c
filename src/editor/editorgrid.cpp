#include "editor/editorgrid.h"

// Placeholder until the grid control lands.
EditorGrid::EditorGrid(ColourTable &table, QWidget *parent) : QAbstractScrollArea(parent), table_(table) {}

void EditorGrid::writeColumnHeaders() {}
void EditorGrid::fillFromTable() {}
void EditorGrid::toTable(int) {}
QString EditorGrid::cellText(int, int) const { return {}; }
const QString &EditorGrid::oldCellText() const { return oldCellText_; }
void EditorGrid::setOldCellText(const QString &text) { oldCellText_ = text; }
void EditorGrid::indicatorOn() { indicator_ = true; }
void EditorGrid::indicatorOff() { indicator_ = false; }
bool EditorGrid::isIndicatorOn() const { return indicator_; }
