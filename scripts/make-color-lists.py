#!/usr/bin/env python3
"""Writes the six colour name lists of resources/ColorList/ (Shift-JIS, CR LF).

Values are colour values as the program stores them: "$" and six hexadecimal digits in the
order blue, green, red. Run from the repository root: python3 scripts/make-color-lists.py
KanjiColor.txt is the colour box's built-in list, read from src/core/ColorListBuiltIn.cpp.
"""
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources", "ColorList")

# CSS named colours: name, RRGGBB, Japanese (katakana) name. Alphabetical.
CSS = """
AliceBlue F0F8FF アリスブルー
AntiqueWhite FAEBD7 アンティークホワイト
Aqua 00FFFF アクア
Aquamarine 7FFFD4 アクアマリン
Azure F0FFFF アジュール
Beige F5F5DC ベージュ
Bisque FFE4C4 ビスク
Black 000000 ブラック
BlanchedAlmond FFEBCD ブランチドアーモンド
Blue 0000FF ブルー
BlueViolet 8A2BE2 ブルーバイオレット
Brown A52A2A ブラウン
BurlyWood DEB887 バーリーウッド
CadetBlue 5F9EA0 カデットブルー
Chartreuse 7FFF00 シャルトルーズ
Chocolate D2691E チョコレート
Coral FF7F50 コーラル
CornflowerBlue 6495ED コーンフラワーブルー
Cornsilk FFF8DC コーンシルク
Crimson DC143C クリムゾン
Cyan 00FFFF シアン
DarkBlue 00008B ダークブルー
DarkCyan 008B8B ダークシアン
DarkGoldenrod B8860B ダークゴールデンロッド
DarkGray A9A9A9 ダークグレー
DarkGreen 006400 ダークグリーン
DarkGrey A9A9A9 ダークグレイ
DarkKhaki BDB76B ダークカーキ
DarkMagenta 8B008B ダークマゼンタ
DarkOliveGreen 556B2F ダークオリーブグリーン
DarkOrange FF8C00 ダークオレンジ
DarkOrchid 9932CC ダークオーキッド
DarkRed 8B0000 ダークレッド
DarkSalmon E9967A ダークサーモン
DarkSeaGreen 8FBC8F ダークシーグリーン
DarkSlateBlue 483D8B ダークスレートブルー
DarkSlateGray 2F4F4F ダークスレートグレー
DarkSlateGrey 2F4F4F ダークスレートグレイ
DarkTurquoise 00CED1 ダークターコイズ
DarkViolet 9400D3 ダークバイオレット
DeepPink FF1493 ディープピンク
DeepSkyBlue 00BFFF ディープスカイブルー
DimGray 696969 ディムグレー
DimGrey 696969 ディムグレイ
DodgerBlue 1E90FF ドジャーブルー
FireBrick B22222 ファイアーブリック
FloralWhite FFFAF0 フローラルホワイト
ForestGreen 228B22 フォレストグリーン
Fuchsia FF00FF フクシア
Gainsboro DCDCDC ゲインズボロ
GhostWhite F8F8FF ゴーストホワイト
Gold FFD700 ゴールド
Goldenrod DAA520 ゴールデンロッド
Gray 808080 グレー
Green 008000 グリーン
GreenYellow ADFF2F グリーンイエロー
Grey 808080 グレイ
Honeydew F0FFF0 ハニーデュー
HotPink FF69B4 ホットピンク
IndianRed CD5C5C インディアンレッド
Indigo 4B0082 インディゴ
Ivory FFFFF0 アイボリー
Khaki F0E68C カーキ
Lavender E6E6FA ラベンダー
LavenderBlush FFF0F5 ラベンダーブラッシュ
LawnGreen 7CFC00 ローングリーン
LemonChiffon FFFACD レモンシフォン
LightBlue ADD8E6 ライトブルー
LightCoral F08080 ライトコーラル
LightCyan E0FFFF ライトシアン
LightGoldenrodYellow FAFAD2 ライトゴールデンロッドイエロー
LightGray D3D3D3 ライトグレー
LightGreen 90EE90 ライトグリーン
LightGrey D3D3D3 ライトグレイ
LightPink FFB6C1 ライトピンク
LightSalmon FFA07A ライトサーモン
LightSeaGreen 20B2AA ライトシーグリーン
LightSkyBlue 87CEFA ライトスカイブルー
LightSlateGray 778899 ライトスレートグレー
LightSlateGrey 778899 ライトスレートグレイ
LightSteelBlue B0C4DE ライトスチールブルー
LightYellow FFFFE0 ライトイエロー
Lime 00FF00 ライム
LimeGreen 32CD32 ライムグリーン
Linen FAF0E6 リネン
Magenta FF00FF マゼンタ
Maroon 800000 マルーン
MediumAquamarine 66CDAA ミディアムアクアマリン
MediumBlue 0000CD ミディアムブルー
MediumOrchid BA55D3 ミディアムオーキッド
MediumPurple 9370DB ミディアムパープル
MediumSeaGreen 3CB371 ミディアムシーグリーン
MediumSlateBlue 7B68EE ミディアムスレートブルー
MediumSpringGreen 00FA9A ミディアムスプリンググリーン
MediumTurquoise 48D1CC ミディアムターコイズ
MediumVioletRed C71585 ミディアムバイオレットレッド
MidnightBlue 191970 ミッドナイトブルー
MintCream F5FFFA ミントクリーム
MistyRose FFE4E1 ミスティローズ
Moccasin FFE4B5 モカシン
NavajoWhite FFDEAD ナバホホワイト
Navy 000080 ネイビー
OldLace FDF5E6 オールドレース
Olive 808000 オリーブ
OliveDrab 6B8E23 オリーブドラブ
Orange FFA500 オレンジ
OrangeRed FF4500 オレンジレッド
Orchid DA70D6 オーキッド
PaleGoldenrod EEE8AA ペールゴールデンロッド
PaleGreen 98FB98 ペールグリーン
PaleTurquoise AFEEEE ペールターコイズ
PaleVioletRed DB7093 ペールバイオレットレッド
PapayaWhip FFEFD5 パパイヤホイップ
PeachPuff FFDAB9 ピーチパフ
Peru CD853F ペルー
Pink FFC0CB ピンク
Plum DDA0DD プラム
PowderBlue B0E0E6 パウダーブルー
Purple 800080 パープル
RebeccaPurple 663399 レベッカパープル
Red FF0000 レッド
RosyBrown BC8F8F ロージーブラウン
RoyalBlue 4169E1 ロイヤルブルー
SaddleBrown 8B4513 サドルブラウン
Salmon FA8072 サーモン
SandyBrown F4A460 サンディブラウン
SeaGreen 2E8B57 シーグリーン
SeaShell FFF5EE シーシェル
Sienna A0522D シエナ
Silver C0C0C0 シルバー
SkyBlue 87CEEB スカイブルー
SlateBlue 6A5ACD スレートブルー
SlateGray 708090 スレートグレー
SlateGrey 708090 スレートグレイ
Snow FFFAFA スノー
SpringGreen 00FF7F スプリンググリーン
SteelBlue 4682B4 スチールブルー
Tan D2B48C タン
Teal 008080 ティール
Thistle D8BFD8 シスル
Tomato FF6347 トマト
Turquoise 40E0D0 ターコイズ
Violet EE82EE バイオレット
Wheat F5DEB3 ウィート
White FFFFFF ホワイト
WhiteSmoke F5F5F5 ホワイトスモーク
Yellow FFFF00 イエロー
YellowGreen 9ACD32 イエローグリーン
"""

# Colour names in katakana that the built-in list does not already hold.
KANA_EXTRA = [
    ("ブラック", "000000"), ("ホワイト", "FFFFFF"), ("レッド", "FF0000"), ("グリーン", "008000"),
    ("イエロー", "FFFF00"), ("オレンジ", "FFA500"), ("パープル", "800080"), ("グレー", "808080"),
    ("シルバー", "C0C0C0"), ("ゴールド", "FFD700"), ("ネイビー", "000080"), ("ライム", "00FF00"),
    ("ティール", "008080"), ("アクア", "00FFFF"), ("インディゴ", "4B0082"), ("ライトグリーン", "90EE90"),
]

# Classic system palettes: the sixteen colours of the Windows VGA palette, the four extra
# static colours of the Windows 20-colour palette, the sixteen colours of the classic Mac OS
# palette, and the window system's own colours (shown in the desktop's current colours).
MACWIN = [
    ("Win 黒", "000000"), ("Win 暗い赤", "800000"), ("Win 暗い緑", "008000"),
    ("Win 暗い黄", "808000"), ("Win 暗い青", "000080"), ("Win 暗い紫", "800080"),
    ("Win 暗い水色", "008080"), ("Win 灰色", "808080"), ("Win 明るい灰色", "C0C0C0"),
    ("Win 赤", "FF0000"), ("Win 緑", "00FF00"), ("Win 黄", "FFFF00"), ("Win 青", "0000FF"),
    ("Win 紫", "FF00FF"), ("Win 水色", "00FFFF"), ("Win 白", "FFFFFF"),
    ("Win マネーグリーン", "C0DCC0"), ("Win スカイブルー", "A6CAF0"), ("Win クリーム", "FFFBF0"),
    ("Win 中間の灰色", "A0A0A4"),
    ("Mac 白", "FFFFFF"), ("Mac 黄", "FCF305"), ("Mac 橙", "FF6403"), ("Mac 赤", "DD0907"),
    ("Mac マゼンタ", "F20884"), ("Mac 紫", "4700A5"), ("Mac 青", "0000D3"), ("Mac シアン", "02ABEA"),
    ("Mac 緑", "1FB714"), ("Mac 暗い緑", "006412"), ("Mac 茶", "562C05"), ("Mac 黄褐色", "90713A"),
    ("Mac 明るい灰色", "C0C0C0"), ("Mac 中間の灰色", "808080"), ("Mac 暗い灰色", "404040"),
    ("Mac 黒", "000000"),
]
SYSTEM = [
    ("システム デスクトップ", 1), ("システム ウィンドウ", 5), ("システム ウィンドウの文字", 8),
    ("システム メニュー", 4), ("システム メニューの文字", 7), ("システム 選択部分", 13),
    ("システム 選択部分の文字", 14), ("システム ボタンの表面", 15), ("システム ボタンの影", 16),
    ("システム ボタンの文字", 18), ("システム 無効な文字", 17), ("システム ヒントの背景", 24),
    ("システム ヒントの文字", 23),
]

USER = [
    ("本文の黒", "1A1A1A"), ("原稿用紙の赤", "C83C3C"), ("校正の赤", "E60012"),
    ("見出しの紺", "1F3A68"), ("ルビの灰色", "666666"), ("付箋の黄", "FFF3A0"),
    ("傍点の朱", "EB6101"), ("背景の生成り", "F5F0E1"), ("しおりの緑", "3A7D44"),
    ("表紙の藍", "165E83"),
]


def value(rrggbb):
    """Colour value text of an RRGGBB text: "$" BBGGRR."""
    return "$" + rrggbb[4:6] + rrggbb[2:4] + rrggbb[0:2]


def write(name, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def builtin():
    src = open(os.path.join(ROOT, "src", "core", "ColorListBuiltIn.cpp"), encoding="utf-8").read()
    return re.findall(r'^\s*"([^"]*=[^"]*)",\s*$', src, re.M)


def is_kana(name):
    return all("\u30a0" <= ch <= "\u30ff" for ch in name)


def main():
    os.makedirs(OUT, exist_ok=True)
    kanji = builtin()
    assert len(kanji) == 308, len(kanji)
    write("KanjiColor.txt", kanji)

    kana, seen = [], set()
    for line in kanji:
        name = line.split("=", 1)[0]
        if is_kana(name) and name not in seen:
            seen.add(name)
            kana.append(line)
    for name, rgb in KANA_EXTRA:
        if name not in seen:
            seen.add(name)
            kana.append(name + "=" + value(rgb))
    write("KanaColor.txt", kana)

    css = [row.split() for row in CSS.strip().splitlines()]
    write("HTMLAColor.txt", [n + "=" + value(v) for n, v, _ in css])
    write("HTMLKColor.txt", [k + "=" + value(v) for _, v, k in css])

    write("MacWinColor.txt", [n + "=" + value(v) for n, v in MACWIN] +
          [n + "=$%08X" % (0x80000000 + i) for n, i in SYSTEM])
    write("UserColor.txt", [n + "=" + value(v) for n, v in USER])


if __name__ == "__main__":
    main()
