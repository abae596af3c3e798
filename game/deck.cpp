// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deck.h"

#include <utility>

namespace game
{

namespace
{

constexpr Card card(Rank rank, Suit suit)
{
    return {suit, rank};
}

} // namespace

// The order matters: the dealer draws positions in it, so every seed's deal depends on it.
const std::array<Card, DeckCards> FullDeck = {{
    card(Rank::King, Suit::Hearts),    card(Rank::Ten, Suit::Diamonds),
    card(Rank::Nine, Suit::Spades),    card(Rank::Six, Suit::Spades),
    card(Rank::Queen, Suit::Clubs),    card(Rank::Ace, Suit::Hearts),
    card(Rank::Ace, Suit::Diamonds),   card(Rank::Ace, Suit::Spades),
    card(Rank::Jack, Suit::Hearts),    card(Rank::Seven, Suit::Clubs),
    card(Rank::Eight, Suit::Diamonds), card(Rank::Seven, Suit::Spades),
    card(Rank::Ten, Suit::Hearts),     card(Rank::King, Suit::Diamonds),
    card(Rank::Queen, Suit::Spades),   card(Rank::Eight, Suit::Spades),
    card(Rank::Jack, Suit::Diamonds),  card(Rank::Jack, Suit::Clubs),
    card(Rank::King, Suit::Clubs),     card(Rank::Queen, Suit::Hearts),
    card(Rank::Nine, Suit::Diamonds),  card(Rank::Six, Suit::Clubs),
    card(Rank::King, Suit::Spades),    card(Rank::Queen, Suit::Diamonds),
    card(Rank::Ace, Suit::Clubs),      card(Rank::Eight, Suit::Hearts),
    card(Rank::Seven, Suit::Diamonds), card(Rank::Jack, Suit::Spades),
    card(Rank::Six, Suit::Diamonds),   card(Rank::Eight, Suit::Clubs),
    card(Rank::Nine, Suit::Hearts),    card(Rank::Nine, Suit::Clubs),
    card(Rank::Ten, Suit::Spades),     card(Rank::Six, Suit::Hearts),
    card(Rank::Seven, Suit::Hearts),   card(Rank::Ten, Suit::Clubs),
}};

Dealer::Dealer(std::uint32_t seed) : random_(seed) {}

Hands Dealer::deal()
{
    std::vector<Card> deck(FullDeck.begin(), FullDeck.end());
    Hands hands;
    for (Hand& hand : hands)
        dealHand(deck, hand);
    return hands;
}

void Dealer::dealHand(std::vector<Card>& deck, Hand& hand)
{
    // A drawn card stays in the deck until the hand is full, so the indices drawn so far are
    // marked and drawn again until a new one comes up; then the deck closes its gaps, keeping
    // its order.
    std::array<bool, DeckCards> picked{};
    std::uniform_int_distribution<int> draw(0, static_cast<int>(deck.size()) - 1);
    for (Slot& slot : hand) {
        auto i = static_cast<std::size_t>(draw(random_));
        while (picked[i])
            i = static_cast<std::size_t>(draw(random_));
        picked[i] = true;
        slot = deck[i];
    }
    std::vector<Card> rest;
    for (std::size_t i = 0; i < deck.size(); ++i)
        if (!picked[i])
            rest.push_back(deck[i]);
    deck = std::move(rest);
}

} // namespace game
