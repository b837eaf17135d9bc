#pragma once

class QString;

namespace mirt2 {

class CaptionLabel;

// Makes screen readers read a CaptionLabel through the interface of this file. Installed once,
// however often it is called.
void InstallCaptionLabelAccessible();

// Tells a listening screen reader that `label` now shows `caption`.
void AnnounceCaption(CaptionLabel& label, const QString& caption);

}  // namespace mirt2
