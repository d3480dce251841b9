#pragma once
// Texts of the main frame and its document template that the user sees.

namespace vorna {

inline constexpr const char* kMainTitle = "アクティブフィルタの設計支援ツール Vorna ver.3.30 <-";

// The document template: new documents are named "Korvel1", "Korvel2", ...; the Open
// chooser offers its file type first.
inline constexpr const char* kDocumentBaseName = "Korvel";
inline constexpr const char* kDocumentFilter = "KORVEL ﾌｧｲﾙ (*.txt)";
inline constexpr const char* kDocumentPatterns = "*.txt";
inline constexpr const char* kDocumentExtension = "txt";
inline constexpr const char* kAllFilesFilter = "すべてのﾌｧｲﾙ (*)";

inline constexpr const char* kIdleMessage = "ﾚﾃﾞｨ";

}  // namespace vorna
