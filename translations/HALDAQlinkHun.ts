<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC-cím</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Rendszernév</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Vezetékes</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Vezeték nélküli</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>A nyelv váltásához az alkalmazást újra kell indítani. Folytatja?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>1. konfiguráció</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Érvénytelen portszám</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>Biztosan menti a konfigurációt?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>A hálózati adatok mentése nem sikerült.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>HIBÁS RENDSZERNÉV-HOSSZ</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Vezetékes</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Vezeték nélküli</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>Ez az IP-cím nem használható.</translation>
    </message>
    <message>
        <source>Configuration #2</source>
        <comment>145</comment>
        <translation>2. konfiguráció</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Hálózati konfiguráció</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>IP-cím konfigurációja</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>A WLAN-adatok lekérése sikerült.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>A WLAN-adatok lekérése nem sikerült.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>A módosítások életbe léptek. Indítsa újra a nyomtatót.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>Biztosan menti az új konfigurációt?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>Az új konfiguráció mentése nem sikerült.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>WLAN alapkonfiguráció</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Legfeljebb 32 karaktert adjon meg.</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>A PIN-kódhoz 4 vagy 8 számjegyet adjon meg.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>WLAN biztonsági konfiguráció</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>IP-cím konfigurációja</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>Biztosan feltölti a tanúsítványt?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Érvénytelen tanúsítvány.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>A tanúsítvány feltöltése sikerült.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>A tanúsítvány feltöltése nem sikerült.</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>Nem támogatott</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>A BSS-adatok lekérése nem sikerült.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>Biztosan visszaállítja a gyári beállításokat?</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>A gyári beállítások visszaállítása nem sikerült.</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>NEM TALÁLHATÓ HÁLÓZATI KAPCSOLAT</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
</context>
</TS>
