-- The 40 cards of the Spanish deck. Row order is card identity (1..40):
-- saved games refer to cards by it, so never reorder these rows.
CREATE TABLE naipe40 (
    id INTEGER PRIMARY KEY,
    numero INTEGER NOT NULL,
    imagen TEXT NOT NULL,
    palo TEXT NOT NULL,
    repartida INTEGER NOT NULL DEFAULT 0
);

INSERT INTO naipe40 VALUES (1, 1, 'naipes/oros01.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (2, 2, 'naipes/oros02.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (3, 3, 'naipes/oros03.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (4, 4, 'naipes/oros04.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (5, 5, 'naipes/oros05.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (6, 6, 'naipes/oros06.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (7, 7, 'naipes/oros07.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (8, 10, 'naipes/oros10.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (9, 11, 'naipes/oros11.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (10, 12, 'naipes/oros12.jpg', 'oros', 0);
INSERT INTO naipe40 VALUES (11, 1, 'naipes/copas01.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (12, 2, 'naipes/copas02.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (13, 3, 'naipes/copas03.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (14, 4, 'naipes/copas04.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (15, 5, 'naipes/copas05.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (16, 6, 'naipes/copas06.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (17, 7, 'naipes/copas07.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (18, 10, 'naipes/copas10.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (19, 11, 'naipes/copas11.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (20, 12, 'naipes/copas12.jpg', 'copas', 0);
INSERT INTO naipe40 VALUES (21, 1, 'naipes/espadas01.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (22, 2, 'naipes/espadas02.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (23, 3, 'naipes/espadas03.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (24, 4, 'naipes/espadas04.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (25, 5, 'naipes/espadas05.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (26, 6, 'naipes/espadas06.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (27, 7, 'naipes/espadas07.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (28, 10, 'naipes/espadas10.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (29, 11, 'naipes/espadas11.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (30, 12, 'naipes/espadas12.jpg', 'espadas', 0);
INSERT INTO naipe40 VALUES (31, 1, 'naipes/bastos01.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (32, 2, 'naipes/bastos02.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (33, 3, 'naipes/bastos03.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (34, 4, 'naipes/bastos04.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (35, 5, 'naipes/bastos05.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (36, 6, 'naipes/bastos06.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (37, 7, 'naipes/bastos07.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (38, 10, 'naipes/bastos10.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (39, 11, 'naipes/bastos11.jpg', 'bastos', 0);
INSERT INTO naipe40 VALUES (40, 12, 'naipes/bastos12.jpg', 'bastos', 0);
