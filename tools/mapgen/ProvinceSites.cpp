// SPDX-License-Identifier: MIT
// The sites of the 75 provinces, each named after the town or district it
// stands for. The game's own names stand for the old provinces of the north:
// 津軽 is western Aomori, 南部 the Nanbu lands of Iwate and eastern Aomori,
// 秋田 and 最上 Akita and Yamagata, 伊達 the Sendai plain, 蘆名 Aizu and the
// middle of Fukushima, 相馬 the Fukushima coast.
//
// A site's reach (the third number) is given only to the small provinces of
// the Kinai and Ise Bay, which plain distance would leave too little room.
#include "ProvinceSites.h"

namespace tesseran::mapgen {

const std::vector<ProvinceSite>& ProvinceSites() {
    static const std::vector<ProvinceSite> sites = {
        {0, {142.8, 43.4}, 0},      // 蝦夷 the Ishikari and Tokachi heartland
        {1, {140.45, 40.9}, 0},     // 津軽 Aomori
        {1, {140.35, 40.6}, 0},     // Hirosaki
        {1, {140.2, 40.45}, 0},     // the Ajigasawa coast
        {2, {141.25, 41.3}, 0},     // 南部 Shimokita
        {2, {141.3, 40.6}, 0},      // Sannohe and Hachinohe
        {2, {141.2, 39.8}, 0},      // Morioka
        {2, {141.65, 39.6}, 0},     // Miyako
        {3, {140.9, 38.3}, 0},      // 伊達 Sendai
        {3, {141.15, 38.75}, 0},    // Osaki
        {3, {141.2, 39.0}, 0},      // Ichinoseki
        {4, {139.85, 37.5}, 0},     // 蘆名 Aizu-Wakamatsu
        {4, {140.35, 37.45}, 0},    // Koriyama
        {4, {140.45, 37.8}, 0},     // Fukushima
        {5, {140.9, 37.6}, 0},      // 相馬 Soma
        {5, {140.85, 37.15}, 0},    // Iwaki
        {6, {140.2, 39.7}, 0},      // 秋田 Kubota
        {6, {140.45, 40.2}, 0},     // Odate
        {6, {140.5, 39.3}, 0},      // Yokote
        {7, {140.3, 38.3}, 0},      // 最上 Yamagata
        {7, {139.95, 38.8}, 0},     // Shonai
        {7, {140.05, 38.0}, 0},     // Yonezawa
        {8, {139.85, 36.55}, 0},    // 下野 Utsunomiya
        {8, {139.75, 36.85}, 0},    // Nikko
        {9, {139.05, 36.4}, 0},     // 上野 Maebashi
        {9, {139.0, 36.7}, 0},      // Numata
        {9, {139.1, 36.85}, 0},     // Oze
        {10, {138.2, 36.6}, 0},     // 信濃 Zenkoji
        {10, {137.95, 36.2}, 0},    // Matsumoto
        {10, {137.9, 35.55}, 0},    // Ina
        {10, {137.85, 35.35}, 0},   // Iida
        {11, {137.25, 36.15}, 0},   // 飛弾 Takayama
        {12, {136.75, 35.45}, 0},   // 美濃 Gifu
        {12, {136.6, 35.3}, 0},     // Ogaki
        {12, {137.25, 35.45}, 0},   // Ena
        {13, {136.25, 35.1}, 0},    // 近江 Omi-Hachiman
        {13, {136.3, 35.4}, 0},     // Nagahama
        {13, {135.95, 35.35}, 0},   // Takashima
        {14, {138.4, 38.05}, 0},    // 佐渡 Sado
        {15, {138.2, 37.1}, 0},     // 越後 Kasugayama
        {15, {138.8, 37.45}, 0},    // Nagaoka
        {15, {139.15, 37.85}, 0},   // Niigata
        {15, {139.5, 38.15}, 0},    // Murakami
        {16, {137.2, 36.65}, 0},    // 越中 Toyama
        {16, {137.5, 36.7}, 0},     // Uozu
        {16, {136.95, 36.6}, 0},    // Tonami
        {17, {136.8, 37.3}, 0},     // 能登 Wajima
        {17, {136.8, 36.95}, 0},    // Hakui
        {18, {136.6, 36.35}, 0},    // 加賀 Kanazawa
        {19, {136.2, 35.95}, 0},    // 越前 Ichijodani
        {20, {135.75, 35.42}, 0},   // 若狭 Obama
        {20, {135.55, 35.45}, 0},   // Takahama
        {20, {136.0, 35.6}, 0},     // Tsuruga
        {21, {140.35, 36.4}, 0},    // 常陸 Mito
        {21, {140.4, 36.7}, 0},     // Hitachi
        {22, {140.1, 35.85}, 0},    // 下総 Sakura
        {22, {140.5, 35.75}, 0},    // Choshi
        {23, {140.15, 35.4}, 0},    // 上総 Mobara
        {24, {139.95, 35.0}, 0},    // 安房 Tateyama
        {25, {139.6, 35.9}, 0},     // 武蔵 Kawagoe
        {25, {139.35, 35.7}, 0},    // Tama
        {26, {139.35, 35.4}, 0},    // 相模 Odawara and Kamakura
        {27, {138.6, 35.65}, 0},    // 甲斐 Kofu
        {28, {138.95, 34.9}, 0},    // 伊豆 Shuzenji
        {29, {138.4, 35.05}, 0},    // 駿河 Sunpu
        {29, {138.6, 35.3}, 0},     // Fuji
        {30, {137.85, 34.8}, 0},    // 遠江 Kakegawa
        {31, {137.35, 34.85}, 0},   // 三河 Okazaki
        {31, {137.5, 35.1}, 0},     // Okumikawa
        {32, {136.85, 35.2}, 20},   // 尾張 Nagoya
        {33, {136.75, 34.42}, 22},  // 志摩 Toba
        {34, {136.45, 34.8}, 10},   // 伊勢 Tsu
        {34, {136.55, 35.0}, 10},   // Yokkaichi
        {34, {136.4, 34.45}, 10},   // Matsusaka
        {34, {136.55, 35.1}, 10},   // Kuwana
        {35, {136.15, 34.75}, 12},  // 伊賀 Ueno
        {36, {135.75, 34.95}, 10},  // 山城 Kyoto
        {36, {135.82, 34.78}, 10},  // Kizu
        {37, {135.8, 34.55}, 0},    // 大和 Nara
        {37, {135.9, 34.2}, 0},     // Yoshino
        {38, {135.45, 34.75}, 8},   // 摂津 Osaka
        {38, {135.2, 34.72}, 8},    // Hyogo
        {39, {135.6, 34.65}, 16},   // 河内 Hirakata
        {39, {135.58, 34.47}, 16},  // Tondabayashi
        {40, {135.4, 34.45}, 14},   // 和泉 Sakai and Kishiwada
        {41, {135.3, 35.15}, 0},    // 丹波 Sasayama
        {41, {135.55, 35.2}, 0},    // Kameoka
        {42, {135.15, 35.6}, 0},    // 丹後 Miyazu
        {43, {134.75, 35.45}, 0},   // 但馬 Izushi
        {44, {134.2, 35.4}, 0},     // 因幡 Tottori
        {45, {133.5, 35.4}, 0},     // 伯耆 Yonago
        {46, {132.85, 35.35}, 0},   // 出雲 Matsue and Izumo
        {47, {133.28, 36.25}, 0},   // 隠岐 Dogo
        {48, {132.2, 34.85}, 0},    // 石見 Hamada
        {48, {131.9, 34.6}, 0},     // Masuda
        {49, {134.7, 34.9}, 0},     // 播磨 Himeji
        {50, {133.9, 35.1}, 0},     // 美作 Tsuyama
        {51, {134.0, 34.7}, 0},     // 備前 Okayama
        {52, {133.65, 34.75}, 0},   // 備中 Kurashiki
        {52, {133.55, 34.92}, 0},   // Niimi
        {53, {133.2, 34.65}, 0},    // 備後 Fukuyama
        {53, {133.0, 34.95}, 0},    // Miyoshi
        {54, {131.8, 34.2}, 0},     // 周防 Yamaguchi
        {54, {132.1, 34.25}, 0},    // Iwakuni
        {55, {132.55, 34.55}, 0},   // 安芸 Hiroshima
        {56, {131.1, 34.2}, 0},     // 長門 Shimonoseki
        {56, {131.45, 34.38}, 0},   // Hagi
        {57, {135.4, 34.0}, 0},     // 紀伊 Wakayama
        {57, {135.75, 33.7}, 0},    // Tanabe
        {57, {136.1, 33.9}, 0},     // Owase
        {58, {134.83, 34.4}, 0},    // 淡路 Awaji
        {59, {134.3, 33.95}, 0},    // 阿波 Tokushima
        {59, {133.9, 33.85}, 0},    // Iya
        {60, {133.9, 34.2}, 0},     // 讃岐 Takamatsu
        {61, {132.8, 33.75}, 0},    // 伊予 Matsuyama
        {61, {132.6, 33.4}, 0},     // Uwajima
        {61, {133.15, 33.85}, 0},   // Saijo
        {61, {133.45, 33.93}, 0},   // Kawanoe
        {62, {133.55, 33.58}, 0},   // 土佐 Kochi
        {62, {132.95, 33.1}, 0},    // Nakamura
        {62, {134.05, 33.6}, 0},    // Aki
        {62, {133.25, 33.35}, 0},   // Susaki
        {63, {130.55, 33.55}, 8},   // 筑前 Hakata
        {63, {130.7, 33.75}, 8},    // Munakata
        {64, {130.55, 33.25}, 0},   // 筑後 Kurume
        {65, {130.95, 33.55}, 0},   // 豊前 Kokura
        {66, {131.4, 33.1}, 0},     // 豊後 Funai
        {66, {130.95, 33.3}, 0},    // Hita
        {67, {130.1, 33.25}, 0},    // 肥前 Saga
        {67, {129.9, 32.8}, 0},     // Nagasaki
        {68, {130.75, 32.7}, 0},    // 肥後 Kumamoto
        {68, {130.8, 32.3}, 0},     // Yatsushiro
        {69, {131.35, 32.3}, 0},    // 日向 Saito
        {69, {131.3, 31.8}, 0},     // Miyazaki
        {70, {130.35, 31.6}, 0},    // 薩摩 Kagoshima
        {71, {130.9, 31.4}, 0},     // 大隅 Kanoya
        {72, {128.17, 26.72}, 0},   // 琉球 Nago
        {73, {129.72, 33.78}, 0},   // 壱岐 Iki
        {74, {129.3, 34.4}, 0},     // 対馬 Izuhara
    };
    return sites;
}

}  // namespace tesseran::mapgen
