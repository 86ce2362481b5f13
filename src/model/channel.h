#pragma once

#include <array>

// The analyser's six channels in the program's channel order: the order of the readings, of
// every per-channel setting, of the graph file's values, of the diagrams and of the report.
// What each channel is called and how its values read is in channel_info.h.
enum class Channel { Co, Ch, Co2, O2, Lambda, Rpm };

inline constexpr int kChannelCount = 6;

// Every channel, in channel order: `for (Channel channel : kAllChannels)`.
inline constexpr std::array<Channel, kChannelCount> kAllChannels = {
    Channel::Co, Channel::Ch, Channel::Co2, Channel::O2, Channel::Lambda, Channel::Rpm};

// A channel's place in channel order, 0..kChannelCount-1: its index in every per-channel array.
constexpr int index(Channel channel) {
    return int(channel);
}

// The channel at a place in channel order; `position` is 0..kChannelCount-1.
constexpr Channel channelAt(int position) {
    return kAllChannels[position];
}

// One value per channel, indexed by index(channel).
template <typename T> using PerChannel = std::array<T, kChannelCount>;

static_assert(index(kAllChannels.back()) == kChannelCount - 1);
