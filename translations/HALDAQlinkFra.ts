<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Nom du système</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Filaire</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>L'application doit redémarrer pour changer de langue. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>Configuration n° 1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Numéro de port non valide</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>Voulez-vous vraiment enregistrer la configuration ?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>Impossible d'enregistrer les informations réseau.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>ERREUR DE LONGUEUR DU NOM DU SYSTÈME</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Filaire</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>Cette adresse IP ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>Configuration #2</source>
        <comment>145</comment>
        <translation>Configuration n° 2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>Connexion du périphérique</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>Aucun port disponible</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Configuration réseau</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>Configuration de l'adresse IP</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>Les informations WLAN ont été lues.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>Impossible de lire les informations WLAN.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>Les modifications ont été appliquées. Veuillez réinitialiser l'imprimante.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>Voulez-vous vraiment enregistrer la nouvelle configuration ?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>Impossible d'enregistrer la nouvelle configuration.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>Configuration WLAN de base</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Saisissez une suite de 32 caractères au plus.</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>Saisissez 4 ou 8 chiffres pour le code PIN.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>Configuration de la sécurité WLAN</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>Configuration de l'adresse IP</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>Voulez-vous vraiment téléverser le certificat ?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Certificat non valide.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>Le certificat a été téléversé.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>Impossible de téléverser le certificat.</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>ERREUR DE LONGUEUR DU CODE PIN.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>ERREUR DE LONGUEUR DU SSID</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>ERREUR DE LONGUEUR DE L'ID EAP</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>ERREUR DE LONGUEUR DU MOT DE PASSE EAP</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>ERREUR DE LONGUEUR DE LA CLÉ PSK</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>ERREUR DE VALEUR DE LA CLÉ PSK</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>ERREUR DE LONGUEUR DE LA CLÉ WEP-64</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>ERREUR DE VALEUR DE LA CLÉ WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>ERREUR DE LONGUEUR DE LA CLÉ WEP-128</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>ERREUR DE VALEUR DE LA CLÉ WEP-128</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>ERREUR DE LONGUEUR DU NOM DU SYSTÈME</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>ERREUR DE LONGUEUR DE L'ID UTILISATEUR</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>ERREUR DE LONGUEUR DU MOT DE PASSE UTILISATEUR</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>Erreur de longueur du nom de communauté (lecture)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>Erreur de longueur du nom de communauté (écriture)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>Erreur de longueur de l'adresse IP de trap</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>ERREUR DE FORMAT DE L'ADRESSE IP DE TRAP</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>Erreur de longueur du nom de communauté de trap</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>Non pris en charge</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>Impossible de lire les informations BSS.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>Voulez-vous vraiment rétablir les paramètres d'usine ?</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>Impossible de rétablir les paramètres d'usine.</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>AUCUNE CONNEXION RÉSEAU TROUVÉE</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>Le masque de sous-réseau ne peut pas être utilisé : ses bits à 1 doivent venir en premier, comme dans 255.255.255.0.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>L'adresse IP ne peut pas être utilisée : c'est l'adresse réseau ou l'adresse de diffusion de son sous-réseau.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>La passerelle est en dehors du sous-réseau de l'imprimante, qui risque de ne pas pouvoir l'atteindre. Voulez-vous quand même enregistrer ?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>Aucun navigateur web n'a pu être lancé pour ouvrir %s.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>Saisissez un entier positif.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>Saisissez au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>Configuration LAN/WLAN</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>Informations réseau de l'imprimante</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Ouvrir le navigateur</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Adresse MAC :</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Masque de sous-réseau :</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Numéro de port :</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>Configuration réseau</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>Attribution de l'adresse IP </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Délai d'inactivité</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Nom du système</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuelle</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Masque de sous-réseau :</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Numéro de port :</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>Délai d'inactivité :</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] s</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Nom du système :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>SÉRIE</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Paramètres du port</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Débit en bauds :</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de données :</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bits d'arrêt :</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Contrôle de flux :</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (avancé)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Configuration WLAN</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Réinitialisation usine</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>Recherche de</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>En attente de</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. Tous droits réservés.</translation>
    </message>
</context>
</TS>
