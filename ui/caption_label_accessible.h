#pragma once

class QAccessibleInterface;
class QString;

namespace mirt2 {

class CaptionLabel;

// The interface through which screen readers read a CaptionLabel: its name says what the label
// shows ("ストップウォッチ 3 の経過時間") and its text is the caption itself ("0:00:05"), through
// AT-SPI's Text interface and UI Automation's Text pattern.
QAccessibleInterface* NewCaptionLabelAccessible(CaptionLabel* label);

// Tells a listening screen reader that the caption of `label` changed from `previous`: only
// where someone sees the label, at most once for each new caption.
void AnnounceCaption(CaptionLabel& label, const QString& previous);

}  // namespace mirt2
