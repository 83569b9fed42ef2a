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
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>Informations BSS</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>125</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <comment>126</comment>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>127</comment>
        <translation>Mode WLAN</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>Infrastructure</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>INCONNU</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>134</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>135</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>WEP-64/WEP-128</source>
        <comment>136</comment>
        <translation>WEP-64/WEP-128</translation>
    </message>
    <message>
        <source>WPA</source>
        <comment>137</comment>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <comment>138</comment>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>WPA/WPA2</source>
        <comment>139</comment>
        <translation>WPA/WPA2</translation>
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
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>Mode WLAN</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>Infrastructure</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>Point d'accès logiciel (Soft AP)</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>Canal</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Saisissez une suite de 32 caractères au plus.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>Code PIN</translation>
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
        <source>Authentication</source>
        <comment>178</comment>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>Système ouvert</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>Clé partagée</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <comment>181</comment>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <comment>182</comment>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA-EAP</source>
        <comment>183</comment>
        <translation>WPA-EAP</translation>
    </message>
    <message>
        <source>WPA2-EAP</source>
        <comment>184</comment>
        <translation>WPA2-EAP</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment>185</comment>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>187</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>188</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <comment>189</comment>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <comment>190</comment>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <comment>191</comment>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <comment>192</comment>
        <translation>Mode EAP</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <comment>194</comment>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <comment>195</comment>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <comment>196</comment>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <comment>197</comment>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <comment>198</comment>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <comment>199</comment>
        <translation>Clé PSK</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>ID EAP</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>Mot de passe EAP</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>Configuration de l'adresse IP</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>Attribution de l'adresse IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>Manuelle</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>Date de mise à jour</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>Configuration du système</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>Nom du système</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>Identifiant utilisateur</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>Mot de passe utilisateur</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>Délai d'inactivité (s)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>Fréquence sans fil</translation>
    </message>
    <message>
        <source>2.4GHz</source>
        <comment>224</comment>
        <translation>2.4GHz</translation>
    </message>
    <message>
        <source>5GHz</source>
        <comment>225</comment>
        <translation>5GHz</translation>
    </message>
    <message>
        <source>2.4GHz/5GHz (Priority: 2.4GHz)</source>
        <comment>226</comment>
        <translation>2,4 GHz/5 GHz (priorité : 2,4 GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2,4 GHz/5 GHz (priorité : 5 GHz)</translation>
    </message>
    <message>
        <source>HTTPS</source>
        <comment>228</comment>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TELNET</source>
        <comment>229</comment>
        <translation>TELNET</translation>
    </message>
    <message>
        <source>FTP</source>
        <comment>230</comment>
        <translation>FTP</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>231</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>232</comment>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>Activer</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>Communauté SNMP (lecture)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>Communauté SNMP (écriture)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>Communauté des traps SNMP</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>Adresse IP des traps SNMP</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>Envoi de certificat</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>Type de certificat</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>Fichier de certificat</translation>
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
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>Clé client</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>PEM client</translation>
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
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>Clé WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>Clé WEP-128</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>Protocole</translation>
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
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>Nom du certificat</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>Impossible de rétablir les paramètres d'usine.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>Trap SNMP</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>AUCUNE CONNEXION RÉSEAU TROUVÉE</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>Option</translation>
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
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>Votre compte n'a pas le droit d'ouvrir le port série %1. Demandez à votre administrateur de l'ajouter au groupe « %2 » (sudo adduser %3 %2), puis fermez votre session et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>Votre compte n'a pas le droit d'ouvrir l'imprimante USB %1. Installez la règle udev de Quorlink Tool (60-quorlink.rules) et rebranchez l'imprimante, ou demandez à votre administrateur d'ajouter votre compte au groupe « %2 » (sudo adduser %3 %2), puis fermez votre session et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 est utilisé par un autre programme, peut-être par une tâche d'impression. Attendez qu'il ait terminé ou fermez ce programme, puis réessayez.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>Aucune imprimante ne répond sur %1 : le signal DSR de la ligne est inactif. Vérifiez que l'imprimante est allumée et que le câble est branché.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 est introuvable. Vérifiez que l'imprimante est branchée et allumée, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>Impossible d'ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>Le serveur d'impression n'autorise pas Quorlink Tool à suspendre la file d'impression %1 (il demande un administrateur). Une impression sur cette file pendant la configuration de l'imprimante peut interrompre la configuration. Pour autoriser la suspension, un administrateur peut ajouter votre compte au groupe « lpadmin » (sudo adduser %2 lpadmin) ; fermez ensuite votre session et reconnectez-vous.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>Le serveur d'impression ne permet pas à Quorlink Tool d'ajouter la file d'impression %1 (il demande un administrateur). Un administrateur peut ajouter votre compte au groupe « lpadmin » (sudo adduser %2 lpadmin) ; déconnectez-vous ensuite puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>Le serveur d'impression ne permet pas à Quorlink Tool de modifier la file d'impression %1 (il demande un administrateur). Un administrateur peut ajouter votre compte au groupe « lpadmin » (sudo adduser %2 lpadmin) ; déconnectez-vous ensuite puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>La file d'impression %1 n'a pas pu être ajoutée : %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>La file d'impression %1 a été ajoutée pour %2 avec le pilote %3.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>La file d'impression %1 a été ajoutée pour %2 comme file brute : aucun pilote du fabricant de l'imprimante n'est installé, les programmes doivent donc envoyer le langage propre de l'imprimante.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>Ajouter une file d'impression…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>Ajouter une file d'impression</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>Nom de la nouvelle file d'impression pour l'imprimante %1 :</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>Un nom de file comporte de 1 à 127 caractères, sans espaces ni / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>Ces files d'impression atteignent l'imprimante à son ancienne adresse %1 :
%2
Les faire pointer vers la nouvelle adresse %3 ?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>La file d'impression %1 imprime maintenant vers %2.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>La file d'impression %1 n'a pas pu être modifiée : %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>Quatre nombres de 0 à 255, séparés par des points</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>Pages des imprimantes</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>Paramètres de l'imprimante</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>Imprimantes trouvées</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>Icône</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>lecture seule</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>modifié</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 ouvre la boîte de dialogue</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1 sur %2 imprimantes</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>Copier l'adresse IP</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>Copier l'adresse MAC</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>Toutes les imprimantes (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>Imprimantes affichées (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>Impossible d'écrire la liste dans %1 : %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>Entrez un numéro de port de 0 à 32767.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>Entrez un délai d&apos;inactivité de 0 à 3600 secondes.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>Imprimantes trouvées jusqu’ici : %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>%1 à %2 octets</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>jusqu’à %1 octets</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 ou 8 chiffres</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>8 à 63 caractères ASCII</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 lettres, chiffres, « - » ou « _ », ou %2 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>une adresse IPv4 : quatre nombres de 0 à 255 séparés par trois points</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 n’est ni un certificat PEM ni un certificat DER. Le téléverser quand même ?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 n’est ni un certificat PEM ni un certificat DER.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>La page « WLAN (avancé) » contient des modifications qui n’ont été enregistrées ni dans l’imprimante ni dans un fichier. Elles seront perdues au redémarrage de l’application.</translation>
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
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
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
        <source>OK</source>
        <translation>OK</translation>
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
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
