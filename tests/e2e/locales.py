"""Environment additions that choose setup's UI language under Wine
(Wine takes the user's UI language from LC_ALL)."""

ENGLISH = {"LC_ALL": "en_US.UTF-8"}
GERMAN = {"LC_ALL": "de_DE.UTF-8"}
