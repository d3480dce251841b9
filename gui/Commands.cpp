#include "Commands.h"

#include "view/DesignView.h"

namespace vorna {

const ViewCommand kMenuBarCommands[6] = {
    {kCommandFilterSelect, "フィルタの種類選択(&S)", "ﾌｨﾙﾀの濾波特性と遮断特性を選んで設計",
     &DesignView::OnFilterSelect},
    {kCommandParameterInput, "パラメータ入力(&P)", "現在のﾌｨﾙﾀの設計ﾊﾟﾗﾒｰﾀを入力して再設計",
     &DesignView::OnParameterInput},
    {kCommandConvertDigital, "フィルタの変換(&C)", "ﾃﾞｨｼﾞﾀﾙﾌｨﾙﾀへ変換",
     &DesignView::OnConvertDigital},
    {kCommandGraphSelect, "グラフ表示(&G)", "周波数特性か極とｾﾞﾛのｸﾞﾗﾌを選び､計算ﾎﾟｲﾝﾄ数を指定",
     &DesignView::OnGraphSelect},
    {kCommandOutput, "表示・出力(&D)", "回路図､係数ﾌｧｲﾙ､ｹﾞｲﾝﾘｽﾄなどを出力", &DesignView::OnOutput},
    {kCommandFont, "フォント(&M)", "表示に使うﾌｫﾝﾄを選択", &DesignView::OnFont},
};

const ViewCommand kOpenDataFileCommand = {kCommandOpenDataFile, "データファイルを開く(&D)",
                                          "ﾃﾞｰﾀﾌｧｲﾙを関連付けられたｱﾌﾟﾘｹｰｼｮﾝで開く",
                                          &DesignView::OnOpenDataFile};

const HelpCommand kHelpCommands[4] = {
    {kCommandHelp, "操作説明書(&H)", "現在の作業やｺﾏﾝﾄﾞに関するﾍﾙﾌﾟを表示", "Vorna 操作説明書.pdf"},
    {kCommandDesignExamples, "設計例 ver1.45(&E)", "設計例を表示", "Vorna 設計例-ver145.pdf"},
    {kCommandHelpIndex, "設計例 ver2.10(&X)", "ﾍﾙﾌﾟ項目を表示", "Vorna 設計例-ver210.pdf"},
    {kCommandHelpUsing, "アクティブフィルタの設計(&F)", "ﾍﾙﾌﾟの使い方の説明を表示",
     "アクティブフィルタの設計.pdf"},
};

}  // namespace vorna
