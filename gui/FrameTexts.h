#pragma once
// Texts of the main frame and its document template that the user sees.

namespace vorna {

inline constexpr const char* kMainTitle = "アクティブフィルタの設計支援ツール Vorna ver.3.30 <-";

// The document template: new documents are named "Korvel1", "Korvel2", ...; the Open and
// Save As choosers offer the design file type first.
inline constexpr const char* kDocumentBaseName = "Korvel";
inline constexpr const char* kDocumentFilter = "KORVEL ﾌｧｲﾙ (*.vorna)";
inline constexpr const char* kDocumentPatterns = "*.vorna";
inline constexpr const char* kDocumentExtension = "vorna";
inline constexpr const char* kSavedMessage = "設計ﾌｧｲﾙ %1 を保存しました";
inline constexpr const char* kAllFilesFilter = "すべてのﾌｧｲﾙ (*)";

inline constexpr const char* kIdleMessage = "ﾚﾃﾞｨ";

}  // namespace vorna
