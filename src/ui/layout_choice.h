#pragma once

// The sheet the next Ctrl+F lays out.
enum class LayoutChoice { OneInchNine, TwoInchFour, OneInchTwelve, TwoInchSix, NoLayout };
